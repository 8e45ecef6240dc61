// Reads a script a block at a time: a command line and the nested lines after it. A block
// ends where the next command line that is not nested begins; the reader keeps that line for
// the next block, so that it is judged only once this block has run (a bad line after the
// window has closed is never reached).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "recording_format/block.h"
#include "recording_format/script_lines.h"
#include "recording_format/script_source.h"

namespace stonewick {

// A comment line that says what state the game was in: "#= " and a line of a dump, or "#~ "
// and the checkpoint of the whole state.
struct StateLine {
  std::uint64_t number = 0;
  std::string text;  // without the mark
};

struct ScriptBlock {
  // Not copied: a copy's lines would look at the texts of the block it was copied from. A
  // move keeps the texts where they are.
  ScriptBlock() = default;
  ScriptBlock(const ScriptBlock&) = delete;
  ScriptBlock& operator=(const ScriptBlock&) = delete;
  ScriptBlock(ScriptBlock&&) = default;
  ScriptBlock& operator=(ScriptBlock&&) = default;

  // The command lines of the block: its first line and the nested lines after it.
  std::vector<ScriptLine> lines;
  // Where its first line begins in the script, in bytes.
  std::uint64_t offset = 0;
  // The "#= " lines between the block's first line and the next block.
  std::vector<StateLine> stateLines;
  // The "#~ " lines there: checkpoints of the state after the block.
  std::vector<StateLine> checkpoints;

 private:
  friend class ScriptReader;
  std::vector<std::string> texts_;  // what `lines` look at
};

class ScriptReader {
 public:
  // Reads on to the first command line. A script read from the middle on says where it starts:
  // the number of its first line and how many bytes came before it.
  explicit ScriptReader(LineSource& source, std::uint64_t firstLine = 1,
                        std::uint64_t firstOffset = 0);

  enum class Next { Block, End, Bad };
  // The next block; End after the last one; Bad (with `error`) when its first line cannot be
  // read. A nested line too long to read makes the block a bad one, and the block ends there.
  Next Read(ScriptBlock& block, ScriptError& error);
  // Checkpoints that stand before the first command: of the starting state.
  const std::vector<StateLine>& OpeningCheckpoints() const { return openingCheckpoints_; }

 private:
  struct Line {
    LineRead read = LineRead::End;
    std::uint64_t number = 0;
    std::uint64_t offset = 0;
    std::string text;
  };
  void ReadLineInto(Line& line);

  LineSource& source_;
  std::uint64_t number_;
  std::uint64_t offset_;
  Line pending_;  // the first line of the next block, read already
  std::vector<StateLine> openingCheckpoints_;
};

}  // namespace stonewick
