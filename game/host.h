// What the rules need from the world around them. The Qt window and the headless replay
// host each implement this; the rules never see anything else of the screen or the clock.
#pragma once

#include <cstdint>
#include <string>

#include "game/commands.h"

namespace stonewick {

// The six read-outs under and above the board.
enum class Readout {
  Powers,
  Clock,
  Level,
  Kills,
  AtLarge,
  BadStepInterval,  // written as the interval changes, never shown
};
inline constexpr int kReadoutCount = 6;

// The boxes the rules show: three messages with OK, and the question when the player is
// eaten. Each host words them in the player's language.
enum class GameBox {
  SecondChance,
  GameOver,  // Yes, No and Cancel
  LevelCleared,
  NoMoreLevels,
};
constexpr bool IsQuestion(GameBox box) {
  return box == GameBox::GameOver;
}

class Host {
 public:
  virtual ~Host() = default;

  // Shows the tile of `code` at cell (col, row) at once.
  virtual void DrawCell(int col, int row, std::int32_t code) = 0;
  // The read-out's number: a count, or for the clock the whole seconds of play.
  virtual void ShowReadout(Readout readout, std::int32_t number) = 0;
  // Lets the events waiting in the window run now: key presses, clicks, menu commands and
  // timer events may run inside the step that calls this.
  virtual void RunPendingEvents() = 0;

  // A message with OK; returns once the player has closed it.
  virtual void ShowMessage(GameBox message) = 0;
  // A question with Yes, No and Cancel: 'Y', 'N', 'C' or ' ' for no answer.
  virtual char AskYesNoCancel(GameBox question) = 0;

  // The main tick, the slow tick and the bad step run and stop together. Starting timers
  // that already run keeps their phase; stopping them forgets it.
  virtual void SetTimersRunning(bool running) = 0;
  // The bad step's interval in ms. The same interval again changes nothing; a new one
  // restarts a running timer, which then fires a whole new interval later.
  virtual void SetBadStepInterval(std::int32_t ms) = 0;

  // Now as a date-time: days, with the time of day as the fraction.
  virtual double Now() = 0;
  // A clock reading that differs from run to run, for seeding the generator.
  virtual std::uint32_t ClockReading() = 0;
  // Blocks for ms milliseconds without letting any event run.
  virtual void PauseMs(std::int32_t ms) = 0;

  // The Pause command reads "&Resume" while the player has paused play, "&Pause" otherwise.
  virtual void ShowPauseCommand(PauseOffer offer) = 0;
  virtual void EnableSkipCommand(bool enabled) = 0;
  // Closes the main window, which ends the program.
  virtual void CloseMainWindow() = 0;

  // Opens the Instructions window, or brings it to the front, with its text on pastel `colour`
  // (1 to 6; see lib/instructions_colour.h).
  virtual void ShowInstructions(int colour) = 0;
  // Shows the About window at the pointer.
  virtual void ShowAbout() = 0;
};

}  // namespace stonewick
