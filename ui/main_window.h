// The main window: the board view, the six read-outs, the hidden glide box, the menu bar of
// nine commands and the three timers. Every event from outside goes to the rules as an Event;
// the window reads the game to show it and holds no game state.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

#include "game/dump.h"
#include "game/game.h"
#include "ui/board_view.h"
#include "ui/game_screen.h"
#include "ui/menu_bar.h"

namespace stonewick {

class QtHost;
class TileSet;
class AboutWindow;
class InstructionsWindow;
class Recorder;
class Playback;

class MainWindow : public QWidget, public GameScreen {
  Q_OBJECT
 public:
  // The rules must exist already: creating the window gives the player the first Power.
  MainWindow(Game& game, QtHost& host, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The windows created after this one that its handlers use.
  void SetCompanionWindows(TileSet& tileSet, AboutWindow& about, InstructionsWindow& instructions);

  // Runs a menu command as if it had been chosen on the bar.
  void RunCommand(MenuCommand command);
  // Every event from outside reaches the rules through here, and is written down while a
  // recording runs.
  void Deliver(const Event& event);
  // nullptr: not recording.
  void SetRecorder(Recorder* recorder) { recorder_ = recorder; }
  // While a recording plays back in the window, the player's events never reach the game: Exit
  // and the close box still end the program. nullptr: the player plays.
  void SetPlayback(Playback* playback) { playback_ = playback; }
  // Shows a state the game took over whole (a recording played back jumps so): the read-outs,
  // the Pause caption, Skip, the Instructions window and the whole board.
  void ShowState(const WindowItems& items, bool skipEnabled, int instructionsColour);
  // What the window shows of the game: its timers, the Pause caption and the read-outs.
  WindowItems ShownItems() const;
  // The whole state as the window shows it, as a dump.
  std::string StateText() const;

  BoardView& View() { return boardView_; }
  QAction& Command(MenuCommand command) { return *commands_[static_cast<std::size_t>(command)]; }
  const QLabel& ReadoutLabel(Readout readout) const {
    return readoutLabels_[static_cast<std::size_t>(readout)];
  }
  const QTimer& Timer(GameTimer timer) const { return timers_[static_cast<std::size_t>(timer)]; }
  WrappingMenuBar& MenuBar() { return menuBar_; }
  QCheckBox& GlideBox() { return glideBox_; }
  // Everything below the menu bar; the board and read-outs sit at fixed places in it.
  const QWidget& Client() const { return client_; }

  // GameScreen.
  void CellChanged(int col, int row) override;
  void ShowReadout(Readout readout, const QString& text) override;
  void SetTimersRunning(bool running) override;
  void SetBadStepInterval(int ms) override;
  void ShowPauseCommand(const QString& caption) override;
  void EnableSkipCommand(bool enabled) override;
  void CloseWindow() override;
  void ShowInstructions(int colour) override;
  void ShowAbout() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void PlaceReadouts();
  // The menu bar takes the rows its commands need; the client area fills the rest.
  void PlaceBarAndClient();
  void WireMenu();
  void WireTimers();
  QTimer& TimerOf(GameTimer timer) { return timers_[static_cast<std::size_t>(timer)]; }
  // Each time the program shows the window (in practice once, as it starts): tiles loaded, the
  // board sized to its cells, level 1 laid out.
  void PrepareShow();

  Game& game_;
  QtHost& host_;
  QWidget client_;
  WrappingMenuBar menuBar_;
  std::array<QAction*, kMenuCommandCount> commands_{};
  BoardView boardView_;
  std::array<QLabel, kReadoutCount> readoutLabels_;  // by Readout
  QCheckBox glideBox_;
  std::array<QTimer, kGameTimerCount> timers_;
  TileSet* tileSet_ = nullptr;
  AboutWindow* about_ = nullptr;
  InstructionsWindow* instructions_ = nullptr;
  Recorder* recorder_ = nullptr;
  Playback* playback_ = nullptr;
  // The rules are closing the window, for Exit or at the end of the game.
  bool closedByRules_ = false;
};

}  // namespace stonewick
