// What the game shows, as values that cross to the hosts: each host words them in the
// player's language, and the session in English for the dump and the recordings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "game/host.h"

namespace stonewick {

// How a read-out words its number.
enum class ReadoutCaption : std::uint8_t {
  Powers,           // "Powers : 3"
  Level,            // "Level : 3"
  Kills,            // "Kills : 3"
  AtLarge,          // "At large : 3"
  PlayTime,         // seconds of play, as "00:01:02"
  Interval,         // "Ivl 150", the bad step's interval in ms
  Clock,            // "Clock : 0", only before the first level is laid out
  OpeningInterval,  // "Ivl : 399", only before the first baddie
};
inline constexpr int kReadoutCaptionCount = 8;

struct ReadoutValue {
  ReadoutCaption caption;
  std::int32_t number;
  bool operator==(const ReadoutValue&) const = default;
};

// The number the rules write into a read-out, under the caption that read-out gives it.
constexpr ReadoutValue WrittenReadout(Readout readout, std::int32_t number) {
  constexpr std::array<ReadoutCaption, kReadoutCount> kCaptions = {
      ReadoutCaption::Powers, ReadoutCaption::PlayTime, ReadoutCaption::Level,
      ReadoutCaption::Kills,  ReadoutCaption::AtLarge,  ReadoutCaption::Interval};
  return {kCaptions[static_cast<std::size_t>(readout)], number};
}

// The read-outs as the main window opens, before the game writes any of them; by Readout. The
// level and at-large read-outs open with the captions of their neighbours.
inline constexpr std::array<ReadoutValue, kReadoutCount> kOpeningReadouts = {{
    {ReadoutCaption::Powers, 0},
    {ReadoutCaption::Clock, 0},
    {ReadoutCaption::Clock, 0},
    {ReadoutCaption::Kills, 0},
    {ReadoutCaption::Kills, 0},
    {ReadoutCaption::OpeningInterval, 399},
}};

}  // namespace stonewick
