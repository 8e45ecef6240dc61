// The About window: panels, icon, program path and date labels, and the credits memo.
#include "ui/about1.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "lib/calendar.h"
#include "ui/core.h"
#include "ui/fonts.h"

namespace {

QFrame* LoweredPanel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  return panel;
}

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

const QStringList kMemoLines = {
    "",
    "A primitive but addictive game",
    "",
    "version 2.07 ( September 2014 )",
    "",
    "simplicity by design, ",
    "by the Stonewick developers",
    "",
    "Copyright (C) 2026 the Stonewick developers",
    "",
    "Source: the Stonewick repository",
};

}  // namespace

QString LowerCaseAsciiLetters(const QString& text) {
  QString lower = text;
  for (QChar& c : lower) {
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
      c = QChar(c.unicode() + ('a' - 'A'));
    }
  }
  return lower;
}

QString FileStampText(const QDateTime& stamp, const QString& longTimeFormat) {
  const QDate date = stamp.date();
  const QString text = QString::fromStdString(
      stonewick::TheCalendar().ShortDate(date.year(), date.month(), date.day()));
  const QTime time = stamp.time();
  if (time.hour() == 0 && time.minute() == 0 && time.second() == 0) {
    return text;
  }
  return text + ' ' + QLocale::system().toString(stamp, longTimeFormat);
}

int AboutClientWidth(int labelLeft, int labelWidth, int clientWidth) {
  // Compared with the client width, not the outer one, so no path is ever cut off.
  if (labelLeft + labelWidth > clientWidth) {
    return 2 * labelLeft + labelWidth;
  }
  return clientWidth;
}

TFAbout1::TFAbout1(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About");
  setWindowIcon(TFCore::ProgramIcon());
  QFont systemFont = font();
  systemFont.setPixelSize(14);
  setFont(systemFont);
  resize(kClientWidth, kClientHeight);

  Panel2 = LoweredPanel(this);
  Panel2->setFixedHeight(81);
  Image1 = new QLabel(Panel2);
  Image1->setPixmap(TFCore::ProgramPicture());
  Image1->setGeometry(5, 11, 32, 32);
  Label1 = new QLabel("STONEWICK", Panel2);
  Label1->setFont(DesignFont("Arial", 13, true));
  SetTextColour(Label1, QPalette::WindowText, Qt::black);
  Label1->setWordWrap(true);
  Label1->move(49, 20);
  Label1->adjustSize();
  Label2 = new QLabel(Panel2);
  Label2->setFont(DesignFont("Arial", 11, false));
  Label2->move(12, 47);
  Label3 = new QLabel(Panel2);
  Label3->setFont(DesignFont("Arial", 11, false));
  Label3->move(12, 62);

  Memo1 = new QTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::ClickFocus);  // Tab passes it by
  Memo1->setFont(DesignFont("Arial", 11, true));
  SetTextColour(Memo1, QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  SetTextColour(Memo1, QPalette::Text, Qt::black);
  Memo1->setPlainText(kMemoLines.join('\n'));
  QTextCursor all = Memo1->textCursor();
  all.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  all.mergeBlockFormat(centred);

  Panel1 = LoweredPanel(this);
  Panel1->setFixedHeight(41);
  Panel3 = new QFrame(Panel1);
  Panel3->setFixedWidth(72);
  OKBtn = new QPushButton("OK", Panel3);
  OKBtn->setGeometry(10, 8, 55, 25);
  OKBtn->setFont(DesignFont("Arial", 11, true));
  SetTextColour(OKBtn, QPalette::ButtonText, Qt::black);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TFAbout1::OKBtnClick);

  auto* bottom = new QHBoxLayout(Panel1);
  bottom->setContentsMargins(1, 1, 1, 1);
  bottom->addStretch();
  bottom->addWidget(Panel3);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Panel2);
  layout->addWidget(Memo1, 1);
  layout->addWidget(Panel1);

  FormCreate();
}

void TFAbout1::FormCreate() {
  const QString path = QCoreApplication::applicationFilePath();
  ShowProgramFile(path, QFileInfo(path).lastModified());
}

void TFAbout1::ShowProgramFile(const QString& path, const QDateTime& lastWritten) {
  Label2->setText(LowerCaseAsciiLetters(path));
  Label2->adjustSize();
  Label3->setText(FileStampText(lastWritten, QLocale::system().timeFormat(QLocale::LongFormat)));
  Label3->adjustSize();
  resize(AboutClientWidth(Label2->x(), Label2->width(), width()), height());
}

void TFAbout1::OKBtnClick() {
  hide();
}

void TFAbout1::reject() {
  OKBtn->click();
}
