// The replay session: a game at the program's starting point, the script's clock, and the
// dump of the whole state.
#include "tools/replay.h"

#include "game/dump.h"

namespace stonewick {

Replay::Replay(std::ostream& out) : host(out), game(host) {
  host.yieldPoints = this;
  game.GiveFirstPower();
  game.LayOutFirstLevel();
}

void Replay::Dump() {
  WriteDump(host.out, game, host.ShownItems());
}

std::string Replay::StateText() const {
  return DumpText(game, host.ShownItems());
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
  if (host.stopped) {
    error = session_.StopError();  // nothing runs after a stop
    return BlockOutcome::Stopped;
  }
  Block block;
  ScriptError stray;
  switch (ParseBlock(lines, host.manual, block, error, stray)) {
    case BlockParse::Empty:
      return BlockOutcome::Ran;
    case BlockParse::Bad:
      return BlockOutcome::Rejected;
    case BlockParse::Block:
      break;
  }
  session_.RunBlock(block);
  if (parsed != nullptr) {
    *parsed = std::move(block);
  }
  if (stray.line != 0) {
    error = stray;
    return BlockOutcome::Stopped;
  }
  if (host.stopped) {
    error = session_.StopError();
    return BlockOutcome::Stopped;
  }
  return BlockOutcome::Ran;
}

}  // namespace stonewick
