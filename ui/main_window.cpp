// The main window's layout, wiring and show/close handling.
#include "ui/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "session/core/session.h"
#include "session/core/watch_status.h"
#include "ui/about_window.h"
#include "ui/cursor_dialogs.h"
#include "ui/fonts.h"
#include "ui/instructions_window.h"
#include "ui/qt_front_end.h"
#include "ui/tile_set.h"
#include "ui/translations.h"

namespace stonewick {
namespace {

struct ReadoutPlace {
  int left;
  int top;
  bool bold;
  // The read-out as wide as it gets: the largest count it can show (a long game's kills
  // carry over from level to level), the clock at the end of a day.
  ReadoutValue widest;
};

// By Readout, from Powers to the bad-step interval.
constexpr std::array<ReadoutPlace, kReadoutCount> kReadoutPlaces = {{
    {274, 390, true, {ReadoutCaption::Powers, 999}},
    {14, 408, false, {ReadoutCaption::PlayTime, 86'399}},
    {14, 6, true, {ReadoutCaption::Level, 5}},
    {136, 408, false, {ReadoutCaption::Kills, 9999}},
    {214, 408, false, {ReadoutCaption::AtLarge, 999}},
    {304, 408, false, {ReadoutCaption::Interval, 0}},
}};
// The row under the board, left to right. A language whose words are longer moves a read-out
// right, as far as the one before it may grow, and keeps this much room between them.
constexpr std::array kBottomRow = {Readout::Clock, Readout::Kills, Readout::AtLarge};
constexpr int kReadoutGap = 8;
// The read-outs keep as much room from the window's right edge as the board from its left.
constexpr int kReadoutMargin = 14;

std::size_t IndexOf(Readout readout) {
  return static_cast<std::size_t>(readout);
}

}  // namespace

MainWindow::MainWindow(Session& session, QtFrontEnd& frontEnd, QWidget* parent)
    : QWidget(parent),
      session_(session),
      frontEnd_(frontEnd),
      client_(this),
      menuBar_(this),
      boardView_(session.board(), &client_),
      playbackBar_(this),
      glideBox_("glide", &client_) {
  setWindowTitle("Stonewick");
  setWindowIcon(TileSet::ProgramIcon());
  QPalette surface = palette();
  surface.setColor(QPalette::Window, surface.color(QPalette::Button));
  setPalette(surface);
  setAutoFillBackground(true);
  setFont(WindowFont("MS Sans Serif", 11));

  // Placed as the window was laid out; showing the window sizes it to exactly 22 by 22 cells.
  boardView_.setGeometry(14, 38, 355, 347);
  PlaceReadouts();
  // The glide box is never shown and nothing ticks it, so no player can reach the rules' glide
  // option through it: it is not an event, and a recording never holds it. Scripts that want
  // glide set it themselves (`glide 1`).
  glideBox_.setGeometry(228, 12, 97, 17);
  glideBox_.setChecked(false);
  glideBox_.hide();
  connect(&glideBox_, &QCheckBox::clicked, this, [this] { boardView_.setFocus(); });
  setTabOrder(&boardView_, &glideBox_);
  boardView_.setFocus();
  connect(&boardView_, &BoardView::KeyDown, this,
          [this](std::uint16_t key) { Deliver(KeyPress{key}); });
  connect(&boardView_, &BoardView::Clicked, this, [this](int col, int row) {
    Deliver(BoardClick{col, row});
  });

  WireMenu();
  playbackBar_.hide();
  connect(&playbackBar_, &PlaybackBar::JumpRequested, this,
          [this](std::int64_t ms) { session_.JumpInRecording(ms); });
  // 395 by 480 is the window's outer size, of which the frame takes 8 by 27. It opens with
  // that outer corner at (482, 249), or pulled back onto the screen's free area where it
  // would not fit there. A language whose menu or read-outs need more room widens it by whole
  // tiles.
  const int lacking = std::max(menuBar_.WidthLacking(395 - 8, BoardView::kCellPixels),
                               ReadoutWidthLacking(395 - 8, BoardView::kCellPixels));
  const QSize outer(395 + lacking, 480);
  resize(outer - QSize(8, 27));
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QPoint place(482, 249);
  move(screen != nullptr ? KeptOnArea(place, outer, screen->availableGeometry()) : place);

  frontEnd_.Attach(this);
}

MainWindow::~MainWindow() {
  frontEnd_.Attach(nullptr);
}

void MainWindow::SetCompanionWindows(TileSet& tileSet, AboutWindow& about,
                                     InstructionsWindow& instructions) {
  tileSet_ = &tileSet;
  about_ = &about;
  instructions_ = &instructions;
  connect(&instructions, &InstructionsWindow::Closed, this,
          [this] { Deliver(InstructionsClosed{}); });
}

void MainWindow::PlaceReadouts() {
  // One face for each weight, shared, so that the read-outs draw each glyph once between them.
  const QFont regular = WindowFont("Arial", 13);
  const QFont bold = WindowFont("Arial", 13, true);
  const QRawFont regularFace = FaceFor(regular, font());
  const QRawFont boldFace = FaceFor(bold, font());
  for (std::size_t i = 0; i < readoutLabels_.size(); ++i) {
    FaceLabel& label = readoutLabels_[i];
    label.setParent(&client_);
    label.setFont(kReadoutPlaces[i].bold ? bold : regular);
    label.SetFace(kReadoutPlaces[i].bold ? boldFace : regularFace);
    label.move(kReadoutPlaces[i].left, kReadoutPlaces[i].top);
    label.setText(ReadoutWords(kOpeningReadouts[i]));
    label.adjustSize();
  }
  // In English every read-out fits at its own place; longer words push the next one right.
  for (std::size_t i = 1; i < kBottomRow.size(); ++i) {
    const QLabel& before = readoutLabels_[IndexOf(kBottomRow[i - 1])];
    FaceLabel& label = readoutLabels_[IndexOf(kBottomRow[i])];
    const int left = before.x() + WidestReadout(kBottomRow[i - 1]) + kReadoutGap;
    label.move(std::max(label.x(), left), label.y());
  }
  // The rules write the bad step's interval there, but the window never shows it.
  readoutLabels_[IndexOf(Readout::BadStepInterval)].hide();
}

int MainWindow::WidestReadout(Readout readout) const {
  return readoutLabels_[IndexOf(readout)].TextWidth(
      ReadoutWords(kReadoutPlaces[IndexOf(readout)].widest));
}

int MainWindow::ReadoutWidthLacking(int width, int step) const {
  int right = 0;
  for (const Readout readout :
       {Readout::Powers, Readout::Level, Readout::Clock, Readout::Kills, Readout::AtLarge}) {
    right = std::max(right, readoutLabels_[IndexOf(readout)].x() + WidestReadout(readout));
  }
  const int lacking = right + kReadoutMargin - width;
  return lacking <= 0 ? 0 : (lacking + step - 1) / step * step;
}

void MainWindow::WireMenu() {
  for (std::size_t i = 0; i < commands_.size(); ++i) {
    commands_[i] = new QAction(TranslatedCaption(kMenuItems[i].caption), this);
    menuBar_.addAction(commands_[i]);
    const auto command = static_cast<MenuCommand>(i);
    connect(commands_[i], &QAction::triggered, this, [this, command] { RunCommand(command); });
  }
  Command(MenuCommand::Cheat).setVisible(false);
}

void MainWindow::RunCommand(MenuCommand command) {
  Deliver(MenuChoice{command});
}

void MainWindow::Deliver(const Event& event) {
  session_.Deliver(event);
}

void MainWindow::PrepareShow() {
  if (tileSet_ != nullptr) {
    tileSet_->LoadTileSet();
    boardView_.SetImageList(&tileSet_->imageList);
  }
  boardView_.resize(BoardView::kBoardPixels, BoardView::kBoardPixels);
  session_.Start();
}

void MainWindow::ShowInstructions(int colour) {
  if (instructions_ == nullptr) {
    return;
  }
  if (colour != 0) {
    instructions_->Open(colour);
  } else {
    instructions_->hide();
  }
}

void MainWindow::ShowAbout(bool shown) {
  if (about_ == nullptr) {
    return;
  }
  if (shown) {
    // Placed by its size, which its contents settle.
    about_->Build();
    ShowAtCursor(*about_);
  } else {
    about_->hide();
  }
}

void MainWindow::ShowWatching(const WatchStatus& status) {
  // The window grows by the bar while a recording plays, and is as ever once it no longer does.
  if (status.watching != playbackBar_.isVisible()) {
    playbackBar_.setVisible(status.watching);
    resize(width(), height() + (status.watching ? 1 : -1) * PlaybackBar::kHeight);
    PlaceBarAndClient();
  }
  const QString title =
      status.watching ? "Stonewick - " + QString::fromStdString(status.name) : "Stonewick";
  if (title != windowTitle()) {
    setWindowTitle(title);
  }
  if (status.watching) {
    playbackBar_.Show(status);
  }
}

void MainWindow::CellChanged(int col, int row) {
  boardView_.CellChanged(col, row);
}

void MainWindow::ShowReadout(Readout readout, const QString& text) {
  FaceLabel& label = readoutLabels_[IndexOf(readout)];
  label.setText(text);
  label.adjustSize();
}

void MainWindow::ShowPauseCommand(const QString& caption) {
  Command(MenuCommand::Pause).setText(caption);
}

void MainWindow::EnableCommand(MenuCommand command, bool enabled) {
  Command(command).setEnabled(enabled);
}

void MainWindow::CloseWindow() {
  closedBySession_ = true;
  close();
  closedBySession_ = false;
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Not when the window manager merely shows it again after minimising.
  if (!event->spontaneous()) {
    PrepareShow();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  // Not Exit nor the end of the game: the player used the close box.
  if (!closedBySession_) {
    Deliver(CloseBoxUsed{});
  }
  // The main window takes the other windows with it and ends the program.
  for (QWidget* other : {static_cast<QWidget*>(about_), static_cast<QWidget*>(instructions_)}) {
    if (other != nullptr) {
      other->close();
    }
  }
  QCoreApplication::quit();
}

void MainWindow::PlaceBarAndClient() {
  const int menuHeight = menuBar_.heightForWidth(width());
  const int playbackHeight = playbackBar_.isVisible() ? PlaybackBar::kHeight : 0;
  menuBar_.setGeometry(0, 0, width(), menuHeight);
  client_.setGeometry(0, menuHeight, width(), height() - menuHeight - playbackHeight);
  playbackBar_.setGeometry(0, height() - playbackHeight, width(), playbackHeight);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceBarAndClient();
}

bool MainWindow::event(QEvent* event) {
  // Posted when the bar's commands change, for example Pause turning into Resume.
  if (event->type() == QEvent::LayoutRequest) {
    PlaceBarAndClient();
  }
  return QWidget::event(event);
}

}  // namespace stonewick
