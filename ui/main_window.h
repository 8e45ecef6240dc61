// The main window: the board view, the six read-outs, the hidden glide box and the menu bar of
// nine commands. Everything the player does goes to the session as an Event; the window reads
// the game to show it and holds no game state.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QWidget>
#include <array>

#include "game/event.h"
#include "ui/board_view.h"
#include "ui/face_label.h"
#include "ui/game_screen.h"
#include "ui/menu_bar.h"
#include "ui/playback_bar.h"

namespace stonewick {

class QtFrontEnd;
class Session;
class TileSet;
class AboutWindow;
class InstructionsWindow;

class MainWindow : public QWidget, public GameScreen {
  Q_OBJECT
 public:
  // The session shows the game on this window once it is attached to the front end.
  MainWindow(Session& session, QtFrontEnd& frontEnd, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The windows created after this one that its handlers use.
  void SetCompanionWindows(TileSet& tileSet, AboutWindow& about, InstructionsWindow& instructions);

  // Runs a menu command as if it had been chosen on the bar.
  void RunCommand(MenuCommand command);
  // Everything the player does reaches the session through here.
  void Deliver(const Event& event);

  BoardView& View() { return boardView_; }
  QAction& Command(MenuCommand command) { return *commands_[static_cast<std::size_t>(command)]; }
  const QLabel& ReadoutLabel(Readout readout) const {
    return readoutLabels_[static_cast<std::size_t>(readout)];
  }
  WrappingMenuBar& MenuBar() { return menuBar_; }
  QCheckBox& GlideBox() { return glideBox_; }
  // Everything below the menu bar; the board and read-outs sit at fixed places in it.
  const QWidget& Client() const { return client_; }
  // Under the client area while a recording plays.
  const PlaybackBar& Bar() const { return playbackBar_; }

  // GameScreen.
  void CellChanged(int col, int row) override;
  void ShowReadout(Readout readout, const QString& text) override;
  void ShowPauseCommand(const QString& caption) override;
  void EnableCommand(MenuCommand command, bool enabled) override;
  void CloseWindow() override;
  void ShowInstructions(int colour) override;
  void ShowAbout(bool shown) override;
  void ShowWatching(const WatchStatus& status) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The read-outs at their places, moved right where a language's longer words need it.
  void PlaceReadouts();
  // How wide a read-out gets with the largest number it can show, in the window's language.
  int WidestReadout(Readout readout) const;
  // How much wider than width the read-outs need the client area, in whole steps.
  int ReadoutWidthLacking(int width, int step) const;
  // The menu bar takes the rows its commands need, the playback bar its own at the bottom
  // while a recording plays; the client area fills the rest.
  void PlaceBarAndClient();
  void WireMenu();
  // Each time the program shows the window (in practice once, as it starts): tiles loaded, the
  // board sized to its cells, the game started.
  void PrepareShow();

  Session& session_;
  QtFrontEnd& frontEnd_;
  QWidget client_;
  WrappingMenuBar menuBar_;
  std::array<QAction*, kMenuCommandCount> commands_{};
  BoardView boardView_;
  std::array<FaceLabel, kReadoutCount> readoutLabels_;  // by Readout
  PlaybackBar playbackBar_;
  QCheckBox glideBox_;
  TileSet* tileSet_ = nullptr;
  AboutWindow* about_ = nullptr;
  InstructionsWindow* instructions_ = nullptr;
  // The session is closing the window, for Exit or at the end of the game.
  bool closedBySession_ = false;
};

}  // namespace stonewick
