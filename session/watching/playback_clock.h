// The pace of a recording being watched: its time runs at the chosen speed, from a quarter to
// sixteen times the recorded pace, from an anchor on, and stands still while paused. Real time
// is given, so that the pace can be reckoned without a clock.
#pragma once

#include <cstdint>

namespace stonewick {

class PlaybackClock {
 public:
  static constexpr int kSpeedCount = 7;
  static constexpr int kNormalSpeed = 2;

  // The recording's time at real time `realMs`.
  std::int64_t PlayedMs(std::int64_t realMs) const;
  // The recording's time is `ms` at real time `realMs`.
  void Anchor(std::int64_t ms, std::int64_t realMs);
  // Pauses at the time played by `realMs`, or goes on from where it stands.
  void PauseOrGoOn(std::int64_t realMs);
  // Pauses with the recording's time at `ms`.
  void PauseAt(std::int64_t ms);
  bool Paused() const { return paused_; }
  // One speed up or down, at real time `realMs`; it stays within the speeds.
  void Faster(std::int64_t realMs) { ChangeSpeed(1, realMs); }
  void Slower(std::int64_t realMs) { ChangeSpeed(-1, realMs); }
  double Speed() const;
  // "1/4x" to "16x".
  const char* SpeedName() const;
  // The real time that `ms` of the recording's time takes at this speed, rounded down, and
  // rounded up.
  std::int64_t RealMs(std::int64_t ms) const;
  std::int64_t RealMsUp(std::int64_t ms) const;

 private:
  void ChangeSpeed(int by, std::int64_t realMs);

  int speed_ = kNormalSpeed;
  bool paused_ = false;
  std::int64_t anchorMs_ = 0;
  std::int64_t anchorRealMs_ = 0;
};

}  // namespace stonewick
