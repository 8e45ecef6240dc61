// The text of the Instructions window, line by line, as the window and the page show it.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace stonewick {

// Blanks at the ends of lines are part of the text.
inline constexpr std::array<const char*, 26> kInstructionsLines = {
    "",
    "Use the arrow keys to move. Avoid the baddies. ",
    "",
    "Use spacebar to push bricks. ",
    "",
    "Use red bricks to block the baddies. ",
    "",
    "Push red & yellow bricks together to make a wall of red bricks.",
    "Pushing red bricks is more effective than pushing yellow.",
    "",
    "Do not create square blocks of 4! These turn into nests which ",
    "hatch into more baddies. ",
    "",
    "Use the \"B\" key  to smash bricks or nests. You need Powers for ",
    "this. You have 1 free Power to start. ",
    "",
    "Wall up the baddies. Eat their remains to get Powers. ",
    "But hurry, they do not remain edible for long. ",
    "",
    "Good luck! And watch out - it's not very advanced, but still quite ",
    "addictive, can you last more than an hour? Haven't you got better ",
    "things to do?",
    "",
    "Have fun!",
    "The Stonewick developers",
    "",
};

// The lines joined by newlines, the last one (empty) included.
inline std::string InstructionsText() {
  std::string text = kInstructionsLines[0];
  for (std::size_t i = 1; i < kInstructionsLines.size(); ++i) {
    text.append("\n").append(kInstructionsLines[i]);
  }
  return text;
}

}  // namespace stonewick
