// Reading a stream line by line, each line at most kLongestLine long.
#include "recording_format/stream_lines.h"

#include <streambuf>

namespace stonewick {

namespace {

LineRead ReadLineFrom(std::streambuf& source, std::string& line) {
  for (;;) {
    const auto next = source.sbumpc();
    if (std::char_traits<char>::eq_int_type(next, std::char_traits<char>::eof())) {
      return line.empty() ? LineRead::End : LineRead::Line;
    }
    const char ch = std::char_traits<char>::to_char_type(next);
    if (ch == '\n') {
      return LineRead::Line;
    }
    if (line.size() == kLongestLine) {
      return LineRead::TooLong;
    }
    line.push_back(ch);
  }
}

}  // namespace

LineRead ReadLine(std::istream& script, std::string& line) {
  line.clear();
  std::streambuf* source = script.rdbuf();
  if (source == nullptr) {
    return LineRead::Unreadable;
  }
  // A file that cannot be read any further throws from its buffer.
  try {
    return ReadLineFrom(*source, line);
  } catch (...) {
    return LineRead::Unreadable;
  }
}

}  // namespace stonewick
