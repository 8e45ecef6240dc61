// Checking a replay against what its script says the game's state was: the checkpoint after
// each block of a recording, and the "#= " lines after a dump.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "recording_format/checkpoint.h"
#include "recording_format/script_reader.h"

namespace stonewick {

bool IsCheckpoint(std::string_view text);

// The comparisons of one run, kept as they go: what was compared, and the first difference.
class RecordingCheck {
 public:
  enum class Verdict {
    Same,     // all that was compared matched
    Differs,  // `error` names the first difference
    Bad,      // `error` names a checkpoint line that is not one
  };

  // Compares the state after a block with the checkpoints that follow it, and what a dump
  // printed with the "#= " lines after it. `state` is the text of the dump as the state stands
  // (needed only when the block has checkpoints).
  Verdict CompareBlock(const ScriptBlock& block, std::string_view printed, const std::string& state,
                       ScriptError& error);
  // The same for a block known by its first line: `dump` when it is a dump, which printed
  // `printed`.
  Verdict CompareAfter(std::uint64_t blockLine, bool dump, const std::vector<StateLine>& stateLines,
                       const std::vector<StateLine>& checkpoints, std::string_view printed,
                       const std::string& state, ScriptError& error);
  // Compares checkpoints that stand before any command with the starting state.
  Verdict CompareStart(const std::vector<StateLine>& checkpoints, const std::string& state,
                       ScriptError& error);
  // Whether anything was compared at all, and how much: checkpoints, and states written
  // behind a dump.
  bool ComparedAny() const { return checkpoints_ + states_ > 0; }
  std::uint64_t CheckpointsCompared() const { return checkpoints_; }
  std::uint64_t StatesCompared() const { return states_; }

 private:
  Verdict CompareCheckpoints(const std::vector<StateLine>& checkpoints, std::uint64_t blockLine,
                             const std::string& state, ScriptError& error);

  std::uint64_t checkpoints_ = 0;
  std::uint64_t states_ = 0;
};

}  // namespace stonewick
