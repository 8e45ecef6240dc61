// A recording played back in the game's own window at the pace it was recorded: the same
// events, nested at the same yield points, with the same clock readings and answers, through
// the window's own game and host, so that the board goes through exactly the states the
// replay tool computes. The player's keys steer the playback and never reach the game:
// Space pauses and goes on, Right plays one block while paused, + and - change the speed,
// Page Down and Page Up jump ten seconds, Home and End jump to the start and the last block.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>

#include "game/game.h"
#include "tools/script_session.h"
#include "tools/scripted_clock.h"
#include "tools/timeline.h"

class QEventLoop;
class QMessageBox;

namespace stonewick {

class MainWindow;

class Playback : public QObject, private ScriptSession::Surroundings, private YieldPoints {
  Q_OBJECT
 public:
  // `name` is what the title calls the recording.
  Playback(Timeline timeline, QString name, Game& game, MainWindow& window);

  // Plays from the start; returns once the main window has closed.
  void Run();
  // 1 when the game played back otherwise than recorded, else 0.
  int ExitStatus() const { return differedAfterLine_ != 0 ? 1 : 0; }

  // What the host takes from the recording while it plays: the clock, the timers, the
  // answers and readings.
  ScriptedClock& Clock() { return clock_; }
  // The host's yield points: pending window events have run; the events recorded there run
  // now.
  void LetEventsIn() { session_.YieldPointReached(); }
  // The boxes the game opens show while the events recorded inside them play, at least a
  // second at 1x, and then close with the recorded answer.
  void ShowMessage(const std::string& message);
  char Ask(const std::string& message);
  // The smash animation's frames, at the playback's speed.
  void PauseMs(std::int32_t ms);
  // The rules closed the main window (Exit, or No to playing again): the recording ends there,
  // and the window stays open for the player to close.
  void RulesClosedWindow() { rulesClosed_ = true; }
  // The player has closed the main window.
  void WindowClosed();

  // The speeds, from a quarter to sixteen times the recorded pace.
  static constexpr int kSpeedCount = 7;
  static constexpr int kNormalSpeed = 2;

  // A jump carried out at once (the tests and the figures jump so).
  void JumpTo(PlayPosition position);
  const Timeline& Recording() const { return timeline_; }

 private:
  // ScriptSession::Surroundings.
  void Dump() override {}
  bool Over() const override { return rulesClosed_ || windowClosed_ || stopped_; }
  void Stop() override { stopped_ = true; }
  void PassTime(std::int64_t ms) override;
  // YieldPoints.
  void Reached() override { session_.YieldPointReached(); }

  // The player's keys: what each does.
  void Steer(int key);
  void RunNextBlock();
  void Compare(const ScriptBlock& block, const Block& parsed);
  void TellTheEnd();
  // Keeps a box open while the events recorded in it play, then closes it.
  void HoldBox(QMessageBox& box);

  // The pace: the recording's time runs `Speed()` times as fast as real time from the
  // anchor on, and stands still while paused.
  double Speed() const;
  std::int64_t PlayedMs() const;
  void Anchor(std::int64_t ms);
  // No pacing while a block is played at once (a step, or the rest of one before a jump).
  bool Hurrying() const { return stepping_ || jump_.has_value() || windowClosed_; }
  // Lets real time pass: `ms` of it, or until the player steers.
  void SleepFor(std::int64_t ms);
  void WaitForThePlayer();
  // Where the recording stands, as the title shows it.
  std::int64_t ShownMs() const;
  void ShowTitle();

  Timeline timeline_;
  QString name_;
  Game& game_;
  MainWindow& window_;
  ScriptedClock clock_;
  ScriptSession session_{game_, clock_, *this};

  PlayPosition position_;
  // The recording read on from the next block, and the block that runs.
  std::optional<Timeline::Reader> reader_;
  ScriptBlock block_;
  Block parsed_;
  int speed_ = kNormalSpeed;
  bool paused_ = false;
  bool stepping_ = false;
  std::optional<PlayPosition> jump_;
  std::int64_t anchorMs_ = 0;
  QElapsedTimer anchorClock_;
  QEventLoop* sleeping_ = nullptr;
  // Ends a sleep; one timer for them all, as a live game's timers are made once.
  QTimer wake_;
  // While a wait passes: when it ends.
  std::optional<std::int64_t> waitingUntil_;

  bool rulesClosed_ = false;
  bool windowClosed_ = false;
  bool stopped_ = false;
  bool toldTheEnd_ = false;
  bool comparedAny_ = false;
  std::uint64_t differedAfterLine_ = 0;
  QString shownTitle_;
};

}  // namespace stonewick
