// Lines of a text held whole, and lines kept as they are read.
#include "recording_format/script_source.h"

namespace stonewick {

LineRead TextLines::Next(std::string& line) {
  line.clear();
  if (at_ >= text_.size()) {
    return LineRead::End;
  }
  const std::size_t end = std::min(text_.find('\n', at_), text_.size());
  if (end - at_ > kLongestLine) {
    // As a stream is read: the line's first part, and no more of it.
    line.assign(text_.substr(at_, kLongestLine));
    at_ += kLongestLine + 1;
    return LineRead::TooLong;
  }
  line.assign(text_.substr(at_, end - at_));
  at_ = end + 1;
  return LineRead::Line;
}

LineRead KeptLines::Next(std::string& line) {
  const LineRead read = source_.Next(line);
  if (read == LineRead::Line) {
    kept_.append(line).append("\n");
  }
  return read;
}

}  // namespace stonewick
