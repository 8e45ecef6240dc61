// How a fuzz input is played, shared by the fuzz targets and the regression test that
// replays every input the fuzzers ever failed on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "recording_format/script_lines.h"
#include "session/scripts/run_script.h"
#include "tests/support/checked_session.h"
#include "tests/support/event_source.h"

namespace stonewick::testing {

// Event bytes: each event is drawn from the next few bytes. Empty when every invariant held.
// `events`, when given, counts the lines played.
inline std::string PlayEventBytes(const std::uint8_t* data, std::size_t size,
                                  std::uint64_t* events = nullptr) {
  std::ostream sink(nullptr);
  CheckedSession session(sink, kFuzzWaitBudgetMs);
  InputBytes in(data, size);
  while (session.fault.empty() && !in.Empty()) {
    const std::string line = NextEvent(in, session.replay.game());
    if (!session.Play(line)) {
      break;
    }
  }
  if (events != nullptr) {
    *events += session.lines;
  }
  if (session.fault.empty() && !session.error.empty()) {
    return "a generated line was rejected: " + session.error;
  }
  return session.fault;
}

// Script bytes: split into lines as the tool does, and played a block at a time (a command
// line with the nested lines after it) until the first bad line.
inline std::string PlayScriptBytes(const std::uint8_t* data, std::size_t size,
                                   std::uint64_t* events = nullptr) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::ostringstream printed;
  CheckedSession session(printed, kFuzzWaitBudgetMs);
  std::vector<ScriptLine> block;
  std::uint64_t number = 0;
  std::size_t at = 0;
  bool playing = true;
  while (playing && at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    const std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++number;
    if (!IsCommandLine(line)) {
      continue;
    }
    if (!block.empty() && !IsNestedLine(line)) {
      playing = session.PlayBlock(block);
      block.clear();
    }
    block.push_back({number, line, {}});
  }
  if (playing && !block.empty()) {
    session.PlayBlock(block);
  }
  if (events != nullptr) {
    *events += session.lines;
  }
  if (!session.fault.empty() || session.skippedWaits) {
    return session.fault;
  }
  // Within the wait budget the whole script can run again through the tool's own reader.
  std::istringstream script{std::string(text)};
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunScript(script, out, err);
  const int expected = session.error.empty() ? 0 : 2;
  if (status != expected) {
    return "RunScript ended with " + std::to_string(status) + ", not " + std::to_string(expected);
  }
  if (out.str() != printed.str()) {
    return "RunScript printed other than the same blocks run one by one";
  }
  const std::string reason = err.str();
  if (status == 2 && (reason.empty() || reason.find('\n') != reason.size() - 1)) {
    return "a bad script is not reported on exactly one line";
  }
  // Checking prints the same, up to the first checkpoint or dump that differs from what the
  // script says, or a checkpoint line that is none, where it stops with one line; a script
  // with nothing to compare ends with one line too.
  std::istringstream again{std::string(text)};
  std::ostringstream checkedOut;
  std::ostringstream checkedErr;
  const int checked = RunScript(again, checkedOut, checkedErr, {.check = true});
  const std::string shown = checkedOut.str();
  const std::string said = checkedErr.str();
  const bool oneLine = !said.empty() && said.find('\n') == said.size() - 1;
  const bool badCheckpoint = said.find("a checkpoint is eight") != std::string::npos;
  if (checked == 1 || (checked == 2 && badCheckpoint)) {
    if (!out.str().starts_with(shown) || !oneLine) {
      return "a difference is not reported on one line where the run stops";
    }
  } else if (checked != status || shown != out.str() ||
             (checked == 0 ? !said.starts_with("checked: ") || !oneLine : said != reason)) {
    return "checking changed the run";
  }
  return {};
}

}  // namespace stonewick::testing
