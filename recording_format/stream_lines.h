// A script's lines from a stream as it is read: a file, or standard input.
#pragma once

#include <istream>
#include <string>

#include "recording_format/script_source.h"

namespace stonewick {

// Reads one line without its end of line. A read error is reported, not taken for the end.
LineRead ReadLine(std::istream& script, std::string& line);

class StreamLines final : public LineSource {
 public:
  explicit StreamLines(std::istream& script) : script_(script) {}
  LineRead Next(std::string& line) override { return ReadLine(script_, line); }

 private:
  std::istream& script_;
};

}  // namespace stonewick
