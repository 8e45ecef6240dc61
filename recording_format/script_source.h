// Where a script's lines come from: a file or standard input as it is read (stream_lines.h),
// or a text held whole, as the page holds a recording the player opened.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace stonewick {

// No script needs a longer line; a longer one is refused rather than read on without bound.
inline constexpr std::size_t kLongestLine = std::size_t{4} << 20;

enum class LineRead { Line, End, TooLong, Unreadable };

class LineSource {
 public:
  // The next line without its end of line. A read error is reported, not taken for the end;
  // a line too long is cut there.
  virtual LineRead Next(std::string& line) = 0;

 protected:
  ~LineSource() = default;
};

class TextLines final : public LineSource {
 public:
  explicit TextLines(std::string_view text) : text_(text) {}
  LineRead Next(std::string& line) override;

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// Another source's lines, kept as they are read: the text of a recording read whole.
class KeptLines final : public LineSource {
 public:
  KeptLines(LineSource& source, std::string& kept) : source_(source), kept_(kept) {}
  LineRead Next(std::string& line) override;

 private:
  LineSource& source_;
  std::string& kept_;
};

}  // namespace stonewick
