// The About window: panels, icon, program path and date labels, and the credits memo, made on
// first use.
#include "ui/about_window.h"

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
#include <array>

#include "lib/calendar.h"
#include "ui/clock_text.h"
#include "ui/fonts.h"
#include "ui/tile_set.h"

namespace stonewick {

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

// Each line in the player's language as the window is made.
constexpr std::array<const char*, 11> kMemoLines = {
    "",
    QT_TRANSLATE_NOOP("About", "A primitive but addictive game"),
    "",
    QT_TRANSLATE_NOOP("About", "version 2.07 ( September 2014 )"),
    "",
    QT_TRANSLATE_NOOP("About", "simplicity by design, "),
    QT_TRANSLATE_NOOP("About", "by the Stonewick developers"),
    "",
    QT_TRANSLATE_NOOP("About", "Copyright (C) 2026 the Stonewick developers"),
    "",
    QT_TRANSLATE_NOOP("About", "Source: the Stonewick repository"),
};

QString MemoText() {
  QStringList lines;
  for (const char* line : kMemoLines) {
    lines << (*line == '\0' ? QString() : QCoreApplication::translate("About", line));
  }
  return lines.join(u'\n');
}

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
  const QString text =
      QString::fromStdString(TheCalendar().ShortDate(date.year(), date.month(), date.day()));
  // File times are told in two-second steps: the fraction and an odd second are dropped.
  const QTime exact = stamp.time();
  const QTime time(exact.hour(), exact.minute(), exact.second() - exact.second() % 2);
  if (time == QTime(0, 0)) {
    return text;
  }
  return text + ' ' + QLocale::system().toString(time, longTimeFormat);
}

int AboutClientWidth(int labelLeft, int labelWidth, int clientWidth) {
  // Compared with the client width, not the outer one, so no path is ever cut off.
  if (labelLeft + labelWidth > clientWidth) {
    return 2 * labelLeft + labelWidth;
  }
  return clientWidth;
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("About", "About"));
  setWindowIcon(TileSet::ProgramIcon());
  QFont systemFont = font();
  systemFont.setPixelSize(14);
  setFont(systemFont);
  resize(kClientWidth, kClientHeight);
}

void AboutWindow::Build() {
  if (okButton_ != nullptr) {
    return;
  }
  QFrame* headerPanel = LoweredPanel(this);
  headerPanel->setFixedHeight(81);
  auto* iconImage = new QLabel(headerPanel);
  iconImage->setPixmap(TileSet::ProgramPicture());
  iconImage->setGeometry(5, 11, 32, 32);
  auto* titleLabel = new QLabel("STONEWICK", headerPanel);
  titleLabel->setFont(WindowFont("Arial", 13, true));
  SetTextColour(titleLabel, QPalette::WindowText, Qt::black);
  titleLabel->setWordWrap(true);
  titleLabel->move(49, 20);
  titleLabel->adjustSize();
  pathLabel_ = new QLabel(headerPanel);
  pathLabel_->setFont(WindowFont("Arial", 11, false));
  pathLabel_->move(12, 47);
  stampLabel_ = new QLabel(headerPanel);
  stampLabel_->setFont(WindowFont("Arial", 11, false));
  stampLabel_->move(12, 62);

  creditsText_ = new QTextEdit(this);
  creditsText_->setReadOnly(true);
  creditsText_->setFocusPolicy(Qt::ClickFocus);  // Tab passes it by
  creditsText_->setFont(WindowFont("Arial", 11, true));
  SetTextColour(creditsText_, QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  SetTextColour(creditsText_, QPalette::Text, Qt::black);
  creditsText_->setPlainText(MemoText());
  QTextCursor all = creditsText_->textCursor();
  all.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  all.mergeBlockFormat(centred);

  QFrame* buttonPanel = LoweredPanel(this);
  buttonPanel->setFixedHeight(41);
  auto* okHolder = new QFrame(buttonPanel);
  okHolder->setFixedWidth(72);
  okButton_ = new QPushButton(QCoreApplication::translate("About", "OK"), okHolder);
  okButton_->setGeometry(10, 8, 55, 25);
  okButton_->setFont(WindowFont("Arial", 11, true));
  SetTextColour(okButton_, QPalette::ButtonText, Qt::black);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &AboutWindow::OkClicked);

  auto* bottom = new QHBoxLayout(buttonPanel);
  bottom->setContentsMargins(1, 1, 1, 1);
  bottom->addStretch();
  bottom->addWidget(okHolder);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(headerPanel);
  layout->addWidget(creditsText_, 1);
  layout->addWidget(buttonPanel);

  ShowOwnProgramFile();
}

void AboutWindow::setVisible(bool visible) {
  if (visible) {
    Build();
  }
  QDialog::setVisible(visible);
}

QLabel& AboutWindow::PathLabel() {
  Build();
  return *pathLabel_;
}

QLabel& AboutWindow::StampLabel() {
  Build();
  return *stampLabel_;
}

QTextEdit& AboutWindow::CreditsText() {
  Build();
  return *creditsText_;
}

QPushButton& AboutWindow::OkButton() {
  Build();
  return *okButton_;
}

void AboutWindow::ShowOwnProgramFile() {
  const QString path = QCoreApplication::applicationFilePath();
  ShowProgramFile(path, QFileInfo(path).lastModified());
}

void AboutWindow::ShowProgramFile(const QString& path, const QDateTime& lastWritten) {
  Build();
  pathLabel_->setText(LowerCaseAsciiLetters(path));
  pathLabel_->adjustSize();
  stampLabel_->setText(FileStampText(lastWritten, LongTimeFormatWithoutZone(QLocale::system())));
  stampLabel_->adjustSize();
  resize(AboutClientWidth(pathLabel_->x(), pathLabel_->width(), width()), height());
}

void AboutWindow::OkClicked() {
  hide();
}

void AboutWindow::reject() {
  OkButton().click();
}

}  // namespace stonewick
