// The rules' view of the Qt program: cell draws, read-outs, timers and commands go to the main
// window once it exists; dialogs, the clock and pending events go to Qt.
#pragma once

#include "game/host.h"

namespace stonewick {

class GameScreen;
class Recorder;
class Playback;

class QtHost final : public Host {
 public:
  // The window the rules act on; nullptr while there is none. Until then draws, read-outs,
  // timers and commands go nowhere.
  void Attach(GameScreen* screen) { screen_ = screen; }
  // While a recording runs, the rules' clock is the recorder's and what they take from the
  // clock and the dialogs is written down; nullptr when not recording.
  void SetRecorder(Recorder* recorder) { recorder_ = recorder; }
  // While a recording plays back, the clock, the timers, the answers and the clock readings
  // are the recording's, the boxes close by themselves, and each yield point lets the events
  // recorded there run; nullptr when the player plays.
  void SetPlayback(Playback* playback) { playback_ = playback; }

  void DrawCell(int col, int row, std::int32_t code) override;
  void ShowReadout(Readout readout, const std::string& text) override;
  void RunPendingEvents() override;
  void ShowMessage(const std::string& message) override;
  char AskYesNoCancel(const std::string& message) override;
  void SetTimersRunning(bool running) override;
  void SetBadStepInterval(std::int32_t ms) override;
  double Now() override;
  std::uint32_t ClockReading() override;
  void PauseMs(std::int32_t ms) override;
  void ShowPauseCommand(const std::string& caption) override;
  void EnableSkipCommand(bool enabled) override;
  void CloseMainWindow() override;
  void ShowInstructions(int colour) override;
  void ShowAbout() override;

 private:
  GameScreen* screen_ = nullptr;
  Recorder* recorder_ = nullptr;
  Playback* playback_ = nullptr;
};

}  // namespace stonewick
