// The pace of a recording being watched.
#include "session/watching/playback_clock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace stonewick {
namespace {

constexpr std::array<double, PlaybackClock::kSpeedCount> kSpeeds = {0.25, 0.5, 1, 2, 4, 8, 16};
constexpr std::array<const char*, PlaybackClock::kSpeedCount> kSpeedNames = {
    "1/4x", "1/2x", "1x", "2x", "4x", "8x", "16x"};

}  // namespace

double PlaybackClock::Speed() const {
  return kSpeeds[static_cast<std::size_t>(speed_)];
}

const char* PlaybackClock::SpeedName() const {
  return kSpeedNames[static_cast<std::size_t>(speed_)];
}

std::int64_t PlaybackClock::PlayedMs(std::int64_t realMs) const {
  if (paused_) {
    return anchorMs_;
  }
  const auto real = static_cast<double>(realMs - anchorRealMs_);
  return anchorMs_ + static_cast<std::int64_t>(real * Speed());
}

void PlaybackClock::Anchor(std::int64_t ms, std::int64_t realMs) {
  anchorMs_ = ms;
  anchorRealMs_ = realMs;
}

void PlaybackClock::PauseOrGoOn(std::int64_t realMs) {
  if (paused_) {
    paused_ = false;
    anchorRealMs_ = realMs;
  } else {
    PauseAt(PlayedMs(realMs));
  }
}

void PlaybackClock::PauseAt(std::int64_t ms) {
  anchorMs_ = ms;
  paused_ = true;
}

void PlaybackClock::ChangeSpeed(int by, std::int64_t realMs) {
  Anchor(PlayedMs(realMs), realMs);
  speed_ = std::clamp(speed_ + by, 0, kSpeedCount - 1);
}

std::int64_t PlaybackClock::RealMs(std::int64_t ms) const {
  return static_cast<std::int64_t>(static_cast<double>(ms) / Speed());
}

std::int64_t PlaybackClock::RealMsUp(std::int64_t ms) const {
  return static_cast<std::int64_t>(std::ceil(static_cast<double>(ms) / Speed()));
}

}  // namespace stonewick
