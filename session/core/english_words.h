// The game's values in the English that the dump, the recordings and the replay tool's output
// hold, word for word. The hosts' catalogues translate from these same words.
#pragma once

#include <string>

#include "game/host.h"
#include "session/core/shown_values.h"

namespace stonewick {

// The read-out's caption with %1 standing for its number; the play time is "%1" alone.
const char* ReadoutPattern(ReadoutCaption caption);
// The number as the read-out shows it: in digits, or the play time as "hh:mm:ss".
std::string ReadoutNumber(const ReadoutValue& value);
// The whole read-out: "Kills : 3".
std::string ReadoutText(const ReadoutValue& value);

inline constexpr const char* kSecondChanceMessage =
    "You have hit a baddie, but your powers will be exchanged for a 2nd chance";
inline constexpr const char* kGameOverQuestion =
    "Aaagh you have been eaten, game over - play again?";
inline constexpr const char* kLevelClearedMessage =
    "You have killed all the baddies, well done. Use Skip to go to next level";
inline constexpr const char* kNoMoreLevelsMessage = "Sorry, there are no more levels, you win! ";

// The box's message or question.
const char* BoxText(GameBox box);

}  // namespace stonewick
