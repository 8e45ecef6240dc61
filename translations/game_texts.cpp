// Writes the texts that the rules and the session hold in English and the hosts show in the
// player's language, as a source file that lupdate reads: the menu captions, the messages, the
// read-outs' captions, the Instructions and the keys of a recording that plays. The catalogues get
// them from here, so no host keeps a second copy of them. Nothing compiles the file it writes.
//   game_texts FILE
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "game/commands.h"
#include "game/game.h"
#include "lib/instructions_text.h"
#include "session/core/english_words.h"
#include "session/core/watch_status.h"

namespace {

std::string Literal(std::string_view text) {
  std::string literal = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        literal += "\\\"";
        break;
      case '\\':
        literal += "\\\\";
        break;
      case '\n':
        literal += "\\n\"\n    \"";
        break;
      case '\t':
        literal += "\\t";
        break;
      default:
        literal += c;
    }
  }
  return literal + "\"";
}

void Write(std::ofstream& out, const char* context, std::string_view text,
           std::string_view comment) {
  if (!comment.empty()) {
    out << "//: " << comment << '\n';
  }
  out << "QT_TRANSLATE_NOOP(\"" << context << "\", " << Literal(text) << ");\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace stonewick;
  if (argc != 2) {
    std::fputs("usage: game_texts FILE\n", stderr);
    return 2;
  }
  std::ofstream out(argv[1]);
  out << "// Written by translations/game_texts for lupdate: the game's texts that the hosts "
         "translate.\n";
  constexpr std::string_view kCaption =
      "A command on the menu bar. & marks its Alt letter: every caption has one, and no two "
      "captions share a letter. The bar must stay one row, so keep it short.";
  for (const MenuItem& item : kMenuItems) {
    Write(out, "Menu", item.caption, kCaption);
  }
  Write(out, "Menu", kResumeCaption, "Takes the place of Pause while the game is paused.");
  Write(out, "Message", BoxText(GameBox::SecondChance), "");
  Write(out, "Message", BoxText(GameBox::GameOver),
        "A question: Yes plays again, No ends the game.");
  Write(out, "Message", BoxText(GameBox::LevelCleared), "Skip is the menu command of that name.");
  Write(out, "Message", BoxText(GameBox::NoMoreLevels), "");
  // The play time shows as digits alone, and the bad step's interval never shows.
  Write(out, "Readout", ReadoutPattern(ReadoutCaption::Powers),
        "The read-outs under the board keep to their places: keep them about as short as these.");
  Write(out, "Readout", ReadoutPattern(ReadoutCaption::Level), "");
  Write(out, "Readout", ReadoutPattern(ReadoutCaption::Kills), "");
  Write(out, "Readout", ReadoutPattern(ReadoutCaption::AtLarge), "");
  Write(out, "Readout", ReadoutPattern(ReadoutCaption::Clock),
        "Shown only for a moment, before the first level is laid out.");
  Write(out, "Instructions", InstructionsText(),
        "The Instructions window wraps the text to its width: write each paragraph on one line, "
        "and keep the blank lines between them.");
  Write(out, "Playback", kWatchKeysLine, "One line under the board while a recording plays.");
  Write(out, "Playback", kWatchKeysHelp, "A tab parts each key from what it does.");
  return out.good() ? 0 : 1;
}
