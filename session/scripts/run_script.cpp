// Running a whole script: block after block, each read, checked, run and, when asked,
// compared with the state the script says it leaves.
#include "session/scripts/run_script.h"

#include <string_view>

#include "recording_format/check.h"
#include "recording_format/script_reader.h"

namespace stonewick {

int RunScript(LineSource& script, TextSink& out, std::string& said, const ScriptRun& run) {
  // Each block prints here first, so that a dump can be compared and a watcher told.
  StringText printed;
  const bool keepPrinted = run.check || run.watcher != nullptr;
  Replay replay(keepPrinted ? static_cast<TextSink&>(printed) : out);
  if (run.record != nullptr) {
    replay.Record(*run.record, run.recordOpening);
  }
  ScriptReader reader(script);
  RecordingCheck recordingCheck;
  ScriptBlock block;
  auto fail = [&](const ScriptError& error, int status) {
    said += std::string(run.program) + ": line " + std::to_string(error.line) + ": " +
            error.message + "\n";
    return status;
  };
  auto verdictStatus = [](RecordingCheck::Verdict verdict) {
    return verdict == RecordingCheck::Verdict::Differs ? 1 : 2;
  };
  // A checked script that compared nothing has not been checked.
  auto finish = [&] {
    if (!run.check) {
      return 0;
    }
    if (!recordingCheck.ComparedAny()) {
      said += std::string(run.program) +
              ": nothing to check: no checkpoint (\"#~ \") and no dump line (\"#= \") was "
              "compared\n";
      return 1;
    }
    said += "checked: " + std::to_string(recordingCheck.CheckpointsCompared()) +
            " checkpoints and " + std::to_string(recordingCheck.StatesCompared()) +
            " states, all as recorded\n";
    return 0;
  };
  if (run.watcher != nullptr) {
    run.watcher->Opening(reader.OpeningCheckpoints(), replay);
  }
  if (run.check && !reader.OpeningCheckpoints().empty()) {
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
    const std::int64_t startedMs = replay.script().clock.nowMs;
    Block parsed;
    const BlockOutcome outcome =
        replay.RunBlock(block.lines, error, run.watcher != nullptr ? &parsed : nullptr);
    const std::string shown = keepPrinted ? printed.Take() : std::string();
    if (keepPrinted) {
      out.Print(shown);
    }
    if (run.watcher != nullptr && outcome == BlockOutcome::Ran) {
      run.watcher->BlockRan(block, std::move(parsed), shown, startedMs, replay);
    }
    // Compare the state it left with the one the script wrote after it. Once the window has
    // closed there is no state left to compare.
    if (run.check && outcome == BlockOutcome::Ran && !replay.Closed()) {
      const std::string state = block.checkpoints.empty() ? std::string() : replay.StateText();
      const auto verdict = recordingCheck.CompareBlock(block, shown, state, error);
      if (verdict != RecordingCheck::Verdict::Same) {
        return fail(error, verdictStatus(verdict));
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
