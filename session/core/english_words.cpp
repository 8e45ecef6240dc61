#include "session/core/english_words.h"

#include <array>
#include <cstddef>

#include "lib/play_clock.h"

namespace stonewick {

const char* ReadoutPattern(ReadoutCaption caption) {
  constexpr std::array<const char*, kReadoutCaptionCount> kPatterns = {
      "Powers : %1", "Level : %1", "Kills : %1", "At large : %1",
      "%1",          "Ivl %1",     "Clock : %1", "Ivl : %1"};
  return kPatterns[static_cast<std::size_t>(caption)];
}

std::string ReadoutNumber(const ReadoutValue& value) {
  if (value.caption == ReadoutCaption::PlayTime) {
    return PlayClockText(value.number);
  }
  return std::to_string(value.number);
}

std::string ReadoutText(const ReadoutValue& value) {
  const std::string pattern = ReadoutPattern(value.caption);
  const std::size_t at = pattern.find("%1");
  return pattern.substr(0, at) + ReadoutNumber(value) + pattern.substr(at + 2);
}

const char* BoxText(GameBox box) {
  switch (box) {
    case GameBox::SecondChance:
      return kSecondChanceMessage;
    case GameBox::GameOver:
      return kGameOverQuestion;
    case GameBox::LevelCleared:
      return kLevelClearedMessage;
    case GameBox::NoMoreLevels:
      break;
  }
  return kNoMoreLevelsMessage;
}

}  // namespace stonewick
