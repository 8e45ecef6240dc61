// Where a game with no screen prints: standard output for the replay tool, a string for a
// test or a check, or nowhere when the state alone matters.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace stonewick {

class TextSink {
 public:
  virtual ~TextSink() = default;
  virtual void Print(std::string_view text) = 0;
};

class NoText final : public TextSink {
 public:
  void Print(std::string_view) override {}
};

class StringText final : public TextSink {
 public:
  void Print(std::string_view text) override { text_.append(text); }
  // What was printed since it was last taken.
  std::string Take() { return std::exchange(text_, {}); }

 private:
  std::string text_;
};

}  // namespace stonewick
