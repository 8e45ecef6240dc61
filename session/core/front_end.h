// What a host gives the session: the screen, the boxes and windows, a clock and wake-ups.
// The window, the page and the replay tool each implement it; everything about the game's
// course (delivering events, the timers, start-up, recording, watching a recording) is the
// session's, so a host only shows what it is told and hands over what the player does.
#pragma once

#include <cstdint>
#include <string>

#include "game/commands.h"
#include "game/host.h"
#include "session/core/shown_values.h"

namespace stonewick {

struct WatchStatus;
struct WatchVerdict;

class FrontEnd {
 public:
  // ---- Showing the game.
  // The tile of `code` shows at cell (col, row) by the next time events are let in.
  virtual void DrawCell(int col, int row, std::int32_t code) = 0;
  virtual void ShowReadout(Readout readout, const ReadoutValue& value) = 0;
  // The host words the command from its catalogue, as the other commands.
  virtual void ShowPauseCommand(PauseOffer offer) = 0;
  virtual void EnableCommand(MenuCommand command, bool enabled) = 0;
  // The Instructions window on pastel `colour` (1 to 6), opened or brought to the front;
  // 0 closes it.
  virtual void ShowInstructions(int colour) = 0;
  // The About window at the pointer, or closed.
  virtual void ShowAbout(bool shown) = 0;
  // The main window closes, taking the other windows with it, and the program ends.
  virtual void CloseMainWindow() = 0;
  // A script's `dump`: the whole state as text, from "state" to "end".
  virtual void ShowDump(const std::string& dump) = 0;

  // ---- Boxes.
  // A box the player answers (a question has Yes, No and Cancel, a message OK): returns once
  // it is closed, with 'Y', 'N', 'C' or ' ' (also OK). Input that comes meanwhile reaches the
  // session through Session::Deliver.
  virtual char RunModalBox(GameBox box) = 0;
  // A box of a script being played: it opens, shows while the events recorded inside it
  // play, and closes with the recorded answer ('Y', 'N', 'C' or ' '), or unanswered when the
  // script ended inside it.
  virtual void OpenScriptedBox(GameBox box) = 0;
  virtual void CloseScriptedBox(bool answered, char answer) = 0;

  // ---- Time.
  // Now as a date-time: days since 1899-12-30 in local time, the time of day as the fraction.
  virtual double LocalDays() = 0;
  // A steady clock in milliseconds, for the timers and the pace of a recording.
  virtual std::int64_t SteadyMs() = 0;
  // A clock reading that differs from run to run, for seeding the generator.
  virtual std::uint32_t ClockReading() = 0;
  // Blocks for ms milliseconds (at most ten seconds) without letting any event run.
  virtual void Sleep(std::int32_t ms) = 0;

  // ---- The event loop.
  // Lets waiting input run now: it reaches the session through Session::Deliver, inside the
  // step that called this.
  virtual void LetEventsIn() = 0;
  // Asks for Session::WakeUp in `ms` milliseconds (0: as soon as the event loop runs); -1:
  // no wake-up is wanted. A new request replaces the last.
  virtual void WakeAfter(std::int64_t ms) = 0;
  // Lets the event loop run for at most `ms` milliseconds (-1: without limit), or until
  // EndIdle is called; input that comes meanwhile reaches the session.
  virtual void Idle(std::int64_t ms) = 0;
  virtual void EndIdle() = 0;

  // ---- Watching a recording.
  // Where the recording stands, its speed and its verdict so far.
  virtual void ShowWatching(const WatchStatus& status) = 0;
  // The verdict at the end of a recording, or at its first difference. True when the player
  // asks to go to just before the difference.
  virtual bool TellVerdict(const WatchVerdict& verdict, bool differs) = 0;
  // What every key does while a recording plays (kWatchKeysHelp, worded by the host), in a
  // box that leaves the recording playing.
  virtual void ShowWatchKeys() = 0;

 protected:
  ~FrontEnd() = default;
};

}  // namespace stonewick
