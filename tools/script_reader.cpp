// Cutting a script into blocks.
#include "tools/script_reader.h"

#include <string_view>

namespace stonewick {
namespace {

constexpr std::string_view kStateMark = "#= ";

const std::string& TooLongText() {
  static const std::string text = Joined({"longer than ", std::to_string(kLongestLine), " bytes"});
  return text;
}

}  // namespace

void ScriptReader::ReadLineInto(Line& line) {
  line.read = ReadLine(script_, line.text);
  line.number = ++number_;
}

ScriptReader::Next ScriptReader::Read(ScriptBlock& block, ScriptError& error) {
  if (!started_) {
    started_ = true;
    do {
      ReadLineInto(pending_);
    } while (pending_.read == LineRead::Line && !IsCommandLine(pending_.text));
  }
  switch (pending_.read) {
    case LineRead::End:
      return Next::End;
    case LineRead::TooLong:
      error = {pending_.number, TooLongText()};
      return Next::Bad;
    case LineRead::Unreadable:
      error = {pending_.number, "the script cannot be read"};
      return Next::Bad;
    case LineRead::Line:
      break;
  }
  std::vector<Line> lines;
  lines.push_back(std::move(pending_));
  block.stateLines.clear();
  for (;;) {
    Line next;
    ReadLineInto(next);
    if (next.read == LineRead::Line && !IsCommandLine(next.text)) {
      std::string_view text = next.text;
      if (text.starts_with(kStateMark)) {
        text.remove_prefix(kStateMark.size());
        if (text.ends_with('\r')) {
          text.remove_suffix(1);
        }
        block.stateLines.push_back({next.number, std::string(text)});
      }
      continue;
    }
    const bool nested =
        (next.read == LineRead::Line || next.read == LineRead::TooLong) && IsNestedLine(next.text);
    if (!nested) {
      pending_ = std::move(next);
      break;
    }
    const bool whole = next.read == LineRead::Line;
    lines.push_back(std::move(next));
    if (!whole) {
      pending_ = {};  // a line too long to read on past: the block is bad and ends there
      break;
    }
  }
  block.texts_.clear();
  block.lines.clear();
  for (Line& line : lines) {
    block.texts_.push_back(std::move(line.text));
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    block.lines.push_back(
        {lines[i].number, block.texts_[i],
         lines[i].read == LineRead::TooLong ? std::string_view(TooLongText()) : ""});
  }
  return Next::Block;
}

}  // namespace stonewick
