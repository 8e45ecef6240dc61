// The window's side of the session: what the game shows goes to the main window, boxes open
// at the pointer, the clock and the wake-ups are Qt's, and while a recording plays every key
// in the program steers it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

#include "session/core/front_end.h"

class QEventLoop;
class QMessageBox;

namespace stonewick {

class GameScreen;
class Session;

class QtFrontEnd final : public QObject, public FrontEnd {
  Q_OBJECT
 public:
  QtFrontEnd();
  ~QtFrontEnd() override;

  // The window the game shows on; nullptr while there is none. Until then nothing shows.
  void Attach(GameScreen* screen) { screen_ = screen; }
  // Where the player's keys go while a recording plays, and the wake-ups.
  void SetSession(Session* session) { session_ = session; }

  // Showing the game.
  void DrawCell(int col, int row, std::int32_t code) override;
  void ShowReadout(Readout readout, const ReadoutValue& value) override;
  void ShowPauseCommand(PauseOffer offer) override;
  void EnableCommand(MenuCommand command, bool enabled) override;
  void ShowInstructions(int colour) override;
  void ShowAbout(bool shown) override;
  void CloseMainWindow() override;
  void ShowDump(const std::string&) override {}
  // Boxes.
  char RunModalBox(GameBox box) override;
  void OpenScriptedBox(GameBox box) override;
  void CloseScriptedBox(bool answered, char answer) override;
  // Time.
  double LocalDays() override;
  std::int64_t SteadyMs() override;
  std::uint32_t ClockReading() override;
  void Sleep(std::int32_t ms) override;
  // The event loop.
  void LetEventsIn() override;
  void WakeAfter(std::int64_t ms) override;
  void Idle(std::int64_t ms) override;
  void EndIdle() override;
  // Watching a recording.
  void ShowWatching(const WatchStatus& status) override;
  bool TellVerdict(const WatchVerdict& verdict, bool differs) override;
  void ShowWatchKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  GameScreen* screen_ = nullptr;
  Session* session_ = nullptr;
  QElapsedTimer steady_;
  // One timer for the session's wake-ups, as the window's timers are made once.
  QTimer wake_;
  // The event loops of Idle, innermost last, and the one timer that ends them.
  std::vector<QEventLoop*> idling_;
  QTimer idleEnd_;
  std::vector<std::unique_ptr<QMessageBox>> scriptedBoxes_;
  std::unique_ptr<QMessageBox> keysBox_;
  // While a recording plays, every key the session takes steers it.
  bool steering_ = false;
};

}  // namespace stonewick
