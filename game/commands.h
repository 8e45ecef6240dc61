// The nine menu commands with their captions and the words scripts use for them, and the
// answers to the game's questions as scripts write them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace stonewick {

// In the order they stand on the menu bar.
enum class MenuCommand { Exit, Instructions, Start, Pause, Randomise, Cheat, Skip, Auto, About };
inline constexpr int kMenuCommandCount = 9;

inline constexpr const char* kPauseCaption = "&Pause";
inline constexpr const char* kResumeCaption = "&Resume";

// What the Pause command offers: to pause play, or to resume it while the player has paused.
enum class PauseOffer { Pause, Resume };
inline constexpr const char* CaptionOf(PauseOffer offer) {
  return offer == PauseOffer::Resume ? kResumeCaption : kPauseCaption;
}

struct MenuItem {
  MenuCommand command;
  std::string_view word;  // in a script: "menu <word>"
  const char* caption;    // on the menu bar; '&' marks the Alt accelerator
};

inline constexpr std::array<MenuItem, kMenuCommandCount> kMenuItems = {{
    {MenuCommand::Exit, "exit", "&Exit"},
    {MenuCommand::Instructions, "instructions", "&Instructions"},
    {MenuCommand::Start, "start", "&Start"},
    {MenuCommand::Pause, "pause", kPauseCaption},
    {MenuCommand::Randomise, "randomise", "Ra&ndomise"},
    {MenuCommand::Cheat, "cheat", "&Cheat"},
    {MenuCommand::Skip, "skip", "S&kip"},
    {MenuCommand::Auto, "auto", "&Auto"},
    {MenuCommand::About, "about", "A&bout"},
}};

// Every command has its entry, at its own place: a forgotten one would leave an empty word.
constexpr bool EveryMenuItemInItsPlace() {
  for (std::size_t i = 0; i < kMenuItems.size(); ++i) {
    if (kMenuItems[i].command != static_cast<MenuCommand>(i) || kMenuItems[i].word.empty() ||
        kMenuItems[i].caption == nullptr) {
      return false;
    }
  }
  return true;
}
static_assert(EveryMenuItemInItsPlace());

inline const MenuItem& MenuItemOf(MenuCommand command) {
  return kMenuItems[static_cast<std::size_t>(command)];
}

inline std::optional<MenuCommand> MenuCommandNamed(std::string_view word) {
  for (const MenuItem& item : kMenuItems) {
    if (item.word == word) {
      return item.command;
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
