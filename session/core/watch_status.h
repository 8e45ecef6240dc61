// What a host shows of a recording being watched, and the keys that steer it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "recording_format/block.h"

namespace stonewick {

// What the player can ask of a recording that plays.
enum class WatchCommand {
  PauseOrGoOn,   // Space
  StepForward,   // Right, while paused: one block
  StepBack,      // Left, while paused: back to before the last block played
  Faster,        // +
  Slower,        // -
  JumpForward,   // Page Down: ten seconds of play
  JumpBack,      // Page Up
  ToStart,       // Home
  ToEnd,         // End: to the last block
  ToDifference,  // D: to just before the first difference
  TakeControls,  // T: stop watching and play on from here
  ShowKeys,      // F1: what every key does
};

// The command of a key, by its virtual key code: the same keys in every host.
std::optional<WatchCommand> WatchCommandOfKey(std::uint16_t virtualKey);
// The keys in one short line for the playback bar, and what each does, for F1.
inline constexpr const char* kWatchKeysLine =
    "Space pause   \u2190 \u2192 step   + \u2212 speed   T play on   F1 all keys";
inline constexpr const char* kWatchKeysHelp =
    "Space\tpause, or go on\n"
    "\u2192\twhile paused: one event forward\n"
    "\u2190\twhile paused: one event back\n"
    "+  \u2212\tfaster, slower: 1/4x to 16x\n"
    "PgDn  PgUp\tten seconds forward, back\n"
    "Home  End\tto the start, to the last event\n"
    "D\tto just before the first difference\n"
    "T\ttake the controls and play on from here\n"
    "Alt+E\tExit";

// A place on the recording's track worth marking.
struct WatchMark {
  enum class Kind { Box, Level, Difference };
  Kind kind;
  std::int64_t ms;
};

// What the playback bar says of the check so far, for the host to word.
struct WatchProgress {
  enum class Kind {
    AllAsRecorded,       // `count` checkpoints and states matched so far
    DiffersAt,           // the recording's line `count` differs
    NoDifferenceToGoTo,  // D was pressed with no difference in the recording
    NothingToCheck,      // the recording holds no checkpoint and no state
  };
  Kind kind = Kind::NothingToCheck;
  std::uint64_t count = 0;
};

// The verdict of a watched recording, for the host to word.
struct WatchVerdict {
  enum class Kind { AsRecorded, Differs, NothingToCheck };
  Kind kind = Kind::NothingToCheck;
  std::uint64_t checkpoints = 0;  // compared, AsRecorded only
  std::uint64_t states = 0;
  // Differs only: the block after which the game went its own way, the recording's line that
  // differs, and what differs there (its `message` is the replay tool's English).
  std::uint64_t afterLine = 0;
  ScriptError difference;
};

struct WatchStatus {
  bool watching = false;  // false once the player has taken the controls
  std::string name;       // of the recording
  std::int64_t positionMs = 0;
  std::int64_t lengthMs = 0;
  std::string speed;  // "1/4x" to "16x"
  bool paused = false;
  bool finished = false;
  bool live = false;  // a game still being played: more of it is to come
  // The verdict so far: how much matched, or the first difference.
  WatchProgress progress;
  bool differs = false;
  const std::vector<WatchMark>* marks = nullptr;
};

// The verdict in the replay tool's English, as a script's reader and standard output see it.
std::string EnglishVerdict(const WatchVerdict& verdict);

// "mm:ss", or "h:mm:ss" when `hours`.
std::string PlayTimeText(std::int64_t ms, bool hours);
// "01:23 / 05:40".
std::string PositionText(const WatchStatus& status);

}  // namespace stonewick
