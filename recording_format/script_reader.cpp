// Cutting a script into blocks.
#include "recording_format/script_reader.h"

#include <string_view>

namespace stonewick {
namespace {

constexpr std::string_view kStateMark = "#= ";
constexpr std::string_view kCheckpointMark = "#~ ";

// The text after `mark` when the line starts with it; a carriage return ending it is a blank.
bool TakeMarked(std::string_view line, std::string_view mark, std::uint64_t number,
                std::vector<StateLine>& into) {
  if (!line.starts_with(mark)) {
    return false;
  }
  line.remove_prefix(mark.size());
  if (line.ends_with('\r')) {
    line.remove_suffix(1);
  }
  into.push_back({number, std::string(line)});
  return true;
}

const std::string& TooLongText() {
  static const std::string text = Joined({"longer than ", std::to_string(kLongestLine), " bytes"});
  return text;
}

}  // namespace

void ScriptReader::ReadLineInto(Line& line) {
  line.read = source_.Next(line.text);
  line.number = ++number_;
  line.offset = offset_;
  offset_ += line.text.size() + 1;  // and its end of line
}

ScriptReader::ScriptReader(LineSource& source, std::uint64_t firstLine, std::uint64_t firstOffset)
    : source_(source), number_(firstLine - 1), offset_(firstOffset) {
  for (;;) {
    ReadLineInto(pending_);
    if (pending_.read != LineRead::Line || IsCommandLine(pending_.text)) {
      break;
    }
    TakeMarked(pending_.text, kCheckpointMark, pending_.number, openingCheckpoints_);
  }
}

ScriptReader::Next ScriptReader::Read(ScriptBlock& block, ScriptError& error) {
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
  block.offset = pending_.offset;
  lines.push_back(std::move(pending_));
  block.stateLines.clear();
  block.checkpoints.clear();
  for (;;) {
    Line next;
    ReadLineInto(next);
    if (next.read == LineRead::Line && !IsCommandLine(next.text)) {
      if (!TakeMarked(next.text, kStateMark, next.number, block.stateLines)) {
        TakeMarked(next.text, kCheckpointMark, next.number, block.checkpoints);
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
