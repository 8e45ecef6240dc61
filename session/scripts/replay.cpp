// The headless game: the program's start-up, then script lines and blocks.
#include "session/scripts/replay.h"

namespace stonewick {

Replay::Replay() : Replay(std::make_unique<NoText>(), nullptr) {}

Replay::Replay(TextSink& out) : Replay(nullptr, &out) {}

Replay::Replay(std::unique_ptr<TextSink> own, TextSink* out)
    : ownText_(std::move(own)), frontEnd_(ownText_ != nullptr ? *ownText_ : *out) {
  world_.Enter();
  session_.Start();
}

bool Replay::RunLine(std::string_view line, std::string& error) {
  const ScriptLine only{1, line, {}};
  ScriptError bad;
  if (RunBlock(std::span(&only, 1), bad) == BlockOutcome::Ran) {
    return true;
  }
  error = bad.message;
  return false;
}

BlockOutcome Replay::RunBlock(std::span<const ScriptLine> lines, ScriptError& error,
                              Block* parsed) {
  if (world_.Stopped()) {
    error = world_.StopError();  // nothing runs after a stop
    return BlockOutcome::Stopped;
  }
  Block block;
  ScriptError stray;
  switch (ParseBlock(lines, world_.clock.manual, block, error, stray)) {
    case BlockParse::Empty:
      return BlockOutcome::Ran;
    case BlockParse::Bad:
      return BlockOutcome::Rejected;
    case BlockParse::Block:
      break;
  }
  world_.RunBlock(block);
  if (parsed != nullptr) {
    *parsed = std::move(block);
  }
  if (stray.line != 0) {
    error = stray;
    return BlockOutcome::Stopped;
  }
  if (world_.Stopped()) {
    error = world_.StopError();
    return BlockOutcome::Stopped;
  }
  return BlockOutcome::Ran;
}

}  // namespace stonewick
