// The nine menu commands and the words replay scripts use for them and for the answers to the
// game's questions: the replay tool reads these words and the window's recording writes them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace stonewick {

// In the order they stand on the menu bar.
enum class MenuCommand { Exit, Instructions, Start, Pause, Randomise, Cheat, Skip, Auto, About };
inline constexpr int kMenuCommandCount = 9;

inline constexpr std::array<std::string_view, kMenuCommandCount> kMenuWords = {
    "exit", "instructions", "start", "pause", "randomise", "cheat", "skip", "auto", "about"};

inline std::string_view MenuWord(MenuCommand command) {
  return kMenuWords[static_cast<std::size_t>(command)];
}

inline std::optional<MenuCommand> MenuCommandNamed(std::string_view word) {
  for (std::size_t i = 0; i < kMenuWords.size(); ++i) {
    if (kMenuWords[i] == word) {
      return static_cast<MenuCommand>(i);
    }
  }
  return std::nullopt;
}

// A question's answer, 'Y', 'N', 'C' or ' ' (none), as a script writes it.
inline std::string_view AnswerWord(char answer) {
  switch (answer) {
    case 'Y':
      return "Y";
    case 'N':
      return "N";
    case 'C':
      return "C";
    default:
      return "none";
  }
}

inline std::optional<char> AnswerNamed(std::string_view word) {
  for (const char answer : {'Y', 'N', 'C', ' '}) {
    if (AnswerWord(answer) == word) {
      return answer;
    }
  }
  return std::nullopt;
}

}  // namespace stonewick
