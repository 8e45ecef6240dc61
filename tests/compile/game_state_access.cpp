// Outside the rules a game's state can be read, and changed only through the game: a field
// written straight must not compile. Built twice by the tests, with and without
// WRITE_A_FIELD.
#include "game/game.h"

namespace stonewick {

std::int32_t ReadPowers(const Game& game) {
  return game.State().powers;
}

#ifdef WRITE_A_FIELD
void WritePowers(Game* game) {
  game->powers = 1;
}
#endif

}  // namespace stonewick
