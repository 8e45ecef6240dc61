// Running a whole script: block after block, each read, checked, run and, when asked,
// compared with the state the script says it leaves.
#include <sstream>

#include "tools/check.h"
#include "tools/replay.h"
#include "tools/script_reader.h"

namespace stonewick {

int RunScript(std::istream& script, std::ostream& out, std::ostream& err, bool check,
              ScriptWatcher* watcher) {
  // When checking, each block prints here first, so that a dump can be compared.
  std::ostringstream printed;
  Replay replay(check ? printed : out);
  ScriptReader reader(script);
  RecordingCheck recordingCheck;
  ScriptBlock block;
  auto fail = [&](const ScriptError& error, int status) {
    out.flush();
    err << "stonewick-replay: line " << error.line << ": " << error.message << '\n';
    return status;
  };
  auto verdictStatus = [](RecordingCheck::Verdict verdict) {
    return verdict == RecordingCheck::Verdict::Differs ? 1 : 2;
  };
  // A checked script that compared nothing has not been checked.
  auto finish = [&] {
    out.flush();
    if (check && !recordingCheck.ComparedAny()) {
      err << "stonewick-replay: nothing to check: no checkpoint (\"#~ \") and no dump line "
             "(\"#= \") was compared\n";
      return 1;
    }
    return 0;
  };
  if (check && !reader.OpeningCheckpoints().empty()) {
    ScriptError error;
    const auto verdict =
        recordingCheck.CompareStart(reader.OpeningCheckpoints(), replay.StateText(), error);
    if (verdict != RecordingCheck::Verdict::Same) {
      return fail(error, verdictStatus(verdict));
    }
  }
  for (;;) {
    // Read the block: its first line and the nested lines after it.
    ScriptError error;
    switch (reader.Read(block, error)) {
      case ScriptReader::Next::End:
        return finish();
      case ScriptReader::Next::Bad:
        return fail(error, 2);
      case ScriptReader::Next::Block:
        break;
    }
    // Check it whole and run it.
    const std::int64_t startedMs = replay.host.nowMs;
    Block parsed;
    const BlockOutcome outcome =
        replay.RunBlock(block.lines, error, watcher != nullptr ? &parsed : nullptr);
    if (watcher != nullptr && outcome == BlockOutcome::Ran) {
      watcher->BlockRan(block, std::move(parsed), startedMs, replay);
    }
    // Compare the state it left with the one the script wrote after it. Once the window has
    // closed there is no state left to compare.
    if (check) {
      const std::string shown = printed.str();
      out << shown;
      printed.str({});
      if (outcome == BlockOutcome::Ran && !replay.Closed()) {
        const std::string state = block.checkpoints.empty() ? std::string() : replay.StateText();
        const auto verdict = recordingCheck.CompareBlock(block, shown, state, error);
        if (verdict != RecordingCheck::Verdict::Same) {
          return fail(error, verdictStatus(verdict));
        }
      }
    }
    if (outcome != BlockOutcome::Ran) {
      return fail(error, 2);
    }
    if (replay.Closed()) {
      return finish();
    }
  }
}

}  // namespace stonewick
