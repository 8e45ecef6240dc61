// A screen-less front end for the rules' tests, in live play: a clock the test sets, clock
// readings and answers the test queues, boxes that print what they said as the replay tool
// does, and every cell drawn and every pause of the smash animation noted.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "session/core/english_words.h"
#include "session/scripts/headless_front_end.h"
#include "session/scripts/scripted_clock.h"
#include "session/scripts/text_sink.h"

namespace stonewick::testing {

struct Drawn {
  int col;
  int row;
  std::int32_t code;
};

class RulesFrontEnd final : public HeadlessFrontEnd, public ScriptedClock {
 public:
  explicit RulesFrontEnd(std::ostream& out) : HeadlessFrontEnd(nothing_), out_(out) {}

  void DrawCell(int col, int row, std::int32_t code) override { drawn.push_back({col, row, code}); }
  // A message prints as it closes; a question takes the oldest queued answer. Once the main
  // window has closed no box shows.
  char RunModalBox(GameBox box) override {
    if (closed) {
      return ' ';
    }
    if (!IsQuestion(box)) {
      out_ << "info \"" << BoxText(box) << "\"\n";
      return ' ';
    }
    const char answer = TakeAnswer();
    out_ << "confirm \"" << BoxText(box) << "\" " << AnswerWord(answer) << '\n';
    return answer;
  }
  void EnableCommand(MenuCommand command, bool enabled) override {
    if (command == MenuCommand::Skip) {
      skipShown = enabled;
    }
  }
  void CloseMainWindow() override {
    out_ << "closed\n";
    closed = true;
  }
  double LocalDays() override { return Days(); }
  std::int64_t SteadyMs() override { return nowMs; }
  std::uint32_t ClockReading() override { return TakeReading(); }
  void Sleep(std::int32_t ms) override { pauses.push_back(ms); }

  // The codes drawn at one cell, oldest first.
  std::vector<std::int32_t> DrawnAt(int col, int row) const {
    std::vector<std::int32_t> codes;
    for (const Drawn& d : drawn) {
      if (d.col == col && d.row == row) {
        codes.push_back(d.code);
      }
    }
    return codes;
  }

  bool closed = false;
  // Whether the Skip command was last shown enabled, since the test last forgot it.
  std::optional<bool> skipShown;
  std::vector<Drawn> drawn;
  std::vector<std::int32_t> pauses;

 private:
  NoText nothing_;
  std::ostream& out_;
};

}  // namespace stonewick::testing
