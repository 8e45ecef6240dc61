// The main window's layout, wiring and show/close handling.
#include "ui/board.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QPalette>
#include <QShowEvent>

#include "lib/dialogs.h"
#include "ui/about1.h"
#include "ui/core.h"
#include "ui/fonts.h"
#include "ui/instrs.h"
#include "ui/qt_host.h"

namespace {

struct LabelDesign {
  int left;
  int top;
  bool bold;
};

constexpr std::array<LabelDesign, 6> kLabelDesigns = {{
    {274, 390, true},
    {14, 408, false},
    {14, 6, true},
    {136, 408, false},
    {214, 408, false},
    {304, 408, false},
}};

}  // namespace

TFBoard::TFBoard(stonewick::Game& game, QtHost& host, QWidget* parent)
    : QWidget(parent),
      client(this),
      MainMenu1(this),
      Exit1("&Exit", this),
      Instructions1("&Instructions", this),
      start1("&Start", this),
      Pause1(stonewick::kPauseCaption, this),
      Randomise1("Ra&ndomise", this),
      Cheat1("&Cheat", this),
      Skip1("S&kip", this),
      Auto1("&Auto", this),
      About1("A&bout", this),
      DrawGrid1(game.board, &client),
      Label1(&client),
      Label2(&client),
      Label3(&client),
      Label4(&client),
      Label5(&client),
      Label6(&client),
      glidechk("glide", &client),
      Timer1(this),
      Timer2(this),
      Timer3(this),
      game_(game),
      host_(host),
      labels_{&Label1, &Label2, &Label3, &Label4, &Label5, &Label6} {
  setWindowTitle("Stonewick");
  setWindowIcon(TFCore::ProgramIcon());
  QPalette surface = palette();
  surface.setColor(QPalette::Window, surface.color(QPalette::Button));
  setPalette(surface);
  setAutoFillBackground(true);
  setFont(DesignFont("MS Sans Serif", 11));

  // As designed; FormShow sizes it to exactly the 22 by 22 cells.
  DrawGrid1.setGeometry(14, 38, 355, 347);
  PlaceLabels();
  glidechk.setGeometry(228, 12, 97, 17);
  glidechk.setChecked(false);
  glidechk.hide();
  connect(&glidechk, &QCheckBox::clicked, this, &TFBoard::glidechkClick);
  setTabOrder(&DrawGrid1, &glidechk);
  DrawGrid1.setFocus();
  connect(&DrawGrid1, &BoardGrid::KeyDown, this,
          [this](std::uint16_t key) { game_.DrawGrid1KeyDown(key); });
  connect(&DrawGrid1, &BoardGrid::Clicked, this,
          [this](int col, int row) { game_.DrawGrid1Click(col, row); });
  client.installEventFilter(this);

  WireMenu();
  WireTimers();
  resize(395, 480);
  move(482, 249);

  host_.Attach(this);
  FormCreate();
}

TFBoard::~TFBoard() {
  host_.Attach(nullptr);
}

void TFBoard::SetCompanionWindows(TFCore& core, TFAbout1& about, TFInstrs& instrs) {
  core_ = &core;
  about_ = &about;
  instrs_ = &instrs;
}

void TFBoard::PlaceLabels() {
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    QLabel& label = *labels_[i];
    label.setFont(DesignFont("Arial", 13, kLabelDesigns[i].bold));
    label.move(kLabelDesigns[i].left, kLabelDesigns[i].top);
    label.setText(stonewick::kInitialLabelCaptions[i]);
    label.adjustSize();
  }
  Label6.hide();  // the bad-step interval is kept for the rules, never shown
}

void TFBoard::WireMenu() {
  for (QAction* item :
       {&Exit1, &Instructions1, &start1, &Pause1, &Randomise1, &Cheat1, &Skip1, &Auto1, &About1}) {
    MainMenu1.addAction(item);
  }
  Cheat1.setVisible(false);
  connect(&Exit1, &QAction::triggered, this, [this] { game_.Exit1Click(); });
  connect(&Instructions1, &QAction::triggered, this, &TFBoard::Instructions1Click);
  connect(&start1, &QAction::triggered, this, [this] { game_.start1Click(); });
  connect(&Pause1, &QAction::triggered, this, [this] { game_.Pause1Click(); });
  connect(&Randomise1, &QAction::triggered, this, [this] { game_.Randomise1Click(); });
  connect(&Cheat1, &QAction::triggered, this, [this] { game_.Cheat1Click(); });
  connect(&Skip1, &QAction::triggered, this, [this] { game_.Skip1Click(); });
  connect(&Auto1, &QAction::triggered, this, [this] { game_.Auto1Click(); });
  connect(&About1, &QAction::triggered, this, &TFBoard::About1Click);
}

void TFBoard::WireTimers() {
  Timer1.setInterval(stonewick::kMainTickMs);
  Timer2.setInterval(stonewick::kSlowTickMs);
  Timer3.setInterval(stonewick::kFirstBadStepMs);
  connect(&Timer1, &QTimer::timeout, this, [this] { game_.Timer1Timer(); });
  connect(&Timer2, &QTimer::timeout, this, [this] { game_.Timer2Timer(); });
  connect(&Timer3, &QTimer::timeout, this, [this] { game_.Timer3Timer(); });
}

void TFBoard::FormCreate() {
  game_.FormCreate();
}

void TFBoard::FormShow() {
  if (core_ != nullptr) {
    core_->LoadTileSet();
    DrawGrid1.SetImageList(&core_->ImageList1);
  }
  DrawGrid1.resize(BoardGrid::ColCount * BoardGrid::DefaultColWidth,
                   BoardGrid::RowCount * BoardGrid::DefaultRowHeight);
  game_.FormShow();
}

void TFBoard::FormClick() {}

void TFBoard::Instructions1Click() {
  if (instrs_ != nullptr) {
    instrs_->show();
    instrs_->raise();
    instrs_->activateWindow();
  }
}

void TFBoard::About1Click() {
  if (about_ != nullptr) {
    stonewick::ShowAtCursor(*about_);
  }
}

void TFBoard::glidechkClick() {
  DrawGrid1.setFocus();
}

void TFBoard::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Not when the window manager merely shows it again after minimising.
  if (!event->spontaneous()) {
    FormShow();
  }
}

void TFBoard::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  // The main window takes the other windows with it and ends the program.
  for (QWidget* other : {static_cast<QWidget*>(about_), static_cast<QWidget*>(instrs_)}) {
    if (other != nullptr) {
      other->close();
    }
  }
  QCoreApplication::quit();
}

void TFBoard::PlaceBarAndClient() {
  const int barHeight = MainMenu1.heightForWidth(width());
  MainMenu1.setGeometry(0, 0, width(), barHeight);
  client.setGeometry(0, barHeight, width(), height() - barHeight);
}

void TFBoard::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceBarAndClient();
}

bool TFBoard::event(QEvent* event) {
  // Posted when the bar's commands change, for example Pause turning into Resume.
  if (event->type() == QEvent::LayoutRequest) {
    PlaceBarAndClient();
  }
  return QWidget::event(event);
}

bool TFBoard::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &client && event->type() == QEvent::MouseButtonRelease) {
    FormClick();
  }
  return QWidget::eventFilter(watched, event);
}
