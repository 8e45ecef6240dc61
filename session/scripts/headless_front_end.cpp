// What a game with no screen prints.
#include "session/scripts/headless_front_end.h"

#include "game/commands.h"

namespace stonewick {

void HeadlessFrontEnd::CloseMainWindow() {
  out_.Print("closed\n");
}

void HeadlessFrontEnd::ShowDump(const std::string& dump) {
  out_.Print(dump);
}

void HeadlessFrontEnd::OpenScriptedBox(BoxKind kind, const std::string& message) {
  boxes_.push_back({kind, message});
}

// A box prints its line as it closes, after the events that ran while it was open; one the
// script ended inside prints nothing.
void HeadlessFrontEnd::CloseScriptedBox(bool answered, char answer) {
  if (boxes_.empty()) {
    return;
  }
  const OpenBox box = std::move(boxes_.back());
  boxes_.pop_back();
  if (!answered) {
    return;
  }
  if (box.kind == BoxKind::Message) {
    out_.Print("info \"" + box.message + "\"\n");
  } else {
    out_.Print("confirm \"" + box.message + "\" " + std::string(AnswerWord(answer)) + "\n");
  }
}

}  // namespace stonewick
