// The page's program: the rules and the page host, run until the page closes.
#include "game/game.h"
#include "web/page_host.h"

int main() {
  static stonewick::page::PageHost host;
  static stonewick::Game game(host);
  host.Run(game);
  return 0;
}
