// What a game with no screen prints.
#include "session/scripts/headless_front_end.h"

#include "game/commands.h"
#include "session/core/english_words.h"

namespace stonewick {

void HeadlessFrontEnd::CloseMainWindow() {
  out_.Print("closed\n");
}

void HeadlessFrontEnd::ShowDump(const std::string& dump) {
  out_.Print(dump);
}

void HeadlessFrontEnd::OpenScriptedBox(GameBox box) {
  boxes_.push_back(box);
}

// A box prints its line as it closes, after the events that ran while it was open; one the
// script ended inside prints nothing.
void HeadlessFrontEnd::CloseScriptedBox(bool answered, char answer) {
  if (boxes_.empty()) {
    return;
  }
  const GameBox box = boxes_.back();
  boxes_.pop_back();
  if (!answered) {
    return;
  }
  const std::string message = BoxText(box);
  if (IsQuestion(box)) {
    out_.Print("confirm \"" + message + "\" " + std::string(AnswerWord(answer)) + "\n");
  } else {
    out_.Print("info \"" + message + "\"\n");
  }
}

}  // namespace stonewick
