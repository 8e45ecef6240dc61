// The rules' view of the Qt window: cell draws, labels, timers, dialogs, the clock and the
// pause, all passed on to the main window once it exists.
#pragma once

#include "game/host.h"

class TFBoard;

class QtHost final : public stonewick::Host {
 public:
  // The window the rules act on; nullptr while there is none. Until then draws and label
  // texts go nowhere and the timers read as designed.
  void Attach(TFBoard* board) { board_ = board; }

  void DrawCell(int col, int row, std::int32_t code) override;
  void SetLabel(int label, const std::string& text) override;
  void ProcessMessages() override;
  void InfoDialog(const std::string& message) override;
  char ConfirmDialog(const std::string& message) override;
  void SetTimersEnabled(bool enabled) override;
  void SetTimer3Interval(std::int32_t ms) override;
  std::int32_t Timer3Interval() const override;
  double Now() override;
  std::string LongTimeText(double time) override;
  std::uint32_t ClockReading() override;
  void PauseMs(std::int32_t ms) override;
  std::string PauseCaption() const override;
  void SetPauseCaption(const std::string& caption) override;
  void SetSkipEnabled(bool enabled) override;
  bool GlideChecked() const override;
  void CloseMainWindow() override;

 private:
  TFBoard* board_ = nullptr;
};
