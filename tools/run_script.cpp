// Running a whole script: block after block, each read, checked, run and, when asked,
// compared with the state the script says it leaves.
#include <sstream>

#include "tools/check.h"
#include "tools/replay.h"
#include "tools/script_reader.h"

namespace stonewick {

int RunScript(std::istream& script, std::ostream& out, std::ostream& err, bool checkDumps) {
  // With checkDumps each block prints here first, so that a dump can be compared.
  std::ostringstream printed;
  Replay replay(checkDumps ? printed : out);
  ScriptReader reader(script);
  ScriptBlock block;
  auto fail = [&](const ScriptError& error, int status) {
    out.flush();
    err << "stonewick-replay: line " << error.line << ": " << error.message << '\n';
    return status;
  };
  for (;;) {
    // Read the block: its first line and the nested lines after it.
    ScriptError error;
    switch (reader.Read(block, error)) {
      case ScriptReader::Next::End:
        out.flush();
        return 0;
      case ScriptReader::Next::Bad:
        return fail(error, 2);
      case ScriptReader::Next::Block:
        break;
    }
    // Check it whole and run it.
    const BlockOutcome outcome = replay.RunBlock(block.lines, error);
    // Compare what a dump printed with the state written after it.
    if (checkDumps) {
      const std::string shown = printed.str();
      out << shown;
      printed.str({});
      const std::vector<std::string_view> words = SplitWords(block.lines.front().text);
      if (outcome == BlockOutcome::Ran && !block.stateLines.empty() && words.front() == "dump") {
        const std::string difference = DumpDifference(shown, block.stateLines);
        if (!difference.empty()) {
          return fail({block.lines.front().number, difference}, 1);
        }
      }
    }
    if (outcome != BlockOutcome::Ran) {
      return fail(error, 2);
    }
    if (replay.Closed()) {
      out.flush();
      return 0;
    }
  }
}

}  // namespace stonewick
