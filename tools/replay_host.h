// The headless host: the board is the screen, labels are kept as text, timers run in
// virtual time and dialogs print what they said and answer from a queue.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <ostream>
#include <string>

#include "game/host.h"

namespace stonewick {

inline constexpr std::int64_t kMsPerDay = 86'400'000;

struct VirtualTimer {
  bool enabled = false;
  std::int32_t interval = 0;
  std::int64_t due = 0;  // virtual ms when it next fires, while enabled
};

class ReplayHost : public Host {
 public:
  explicit ReplayHost(std::ostream& out);

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

  std::ostream& out;
  std::int64_t nowMs = 0;  // the virtual clock
  std::array<std::string, 6> labels;
  std::array<VirtualTimer, 3> timers;  // Timer1, Timer2, Timer3
  std::deque<char> answers;            // queued ConfirmDialog answers, oldest first
  std::string pauseCaption;
  bool skipEnabled = true;
  bool glide = false;
  bool closed = false;
};

}  // namespace stonewick
