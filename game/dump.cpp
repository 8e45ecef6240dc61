// The dump of the whole state, line by line in a fixed order, numbers in decimal.
#include "game/dump.h"

namespace stonewick {
namespace {

void DumpLayer(std::ostream& out, const Board::Layer& layer) {
  for (int row = 0; row < kBoardSize; ++row) {
    for (int col = 0; col < kBoardSize; ++col) {
      out << (col == 0 ? "" : " ") << layer[col][row];
    }
    out << '\n';
  }
}

void DumpCells(std::ostream& out, const char* name, const Queue<QueuedCell>& queue) {
  out << name << ' ' << queue.count() << ':';
  const char* separator = " ";
  queue.ForEachOldestFirst([&](const QueuedCell& pos) {
    out << separator << pos.col << ' ' << pos.row << ' ' << pos.tick;
    separator = ", ";
  });
  out << '\n';
}

void DumpBaddies(std::ostream& out, const char* name, const Queue<Baddie>& queue) {
  out << name << ' ' << queue.count() << ':';
  const char* separator = " ";
  queue.ForEachOldestFirst([&](const Baddie& b) {
    out << separator << b.col << ' ' << b.row << ' ' << b.dx << ' ' << b.dy << ' '
        << static_cast<char>(b.kind) << ' ' << b.steps << ' ' << b.under << ' ' << b.trailId;
    separator = ", ";
  });
  out << '\n';
}

}  // namespace

void WriteDump(std::ostream& out, const Game& game, const WindowItems& window) {
  out << "state " << static_cast<int>(game.state) << " running " << game.running << " level "
      << game.level << " powers " << game.powers << " kills " << game.kills << " slowticks "
      << game.slowTicks << '\n';
  out << "player " << game.playerCol << ' ' << game.playerRow << " trail " << game.trailTile
      << " seed " << game.random.randomSeed << " smashing " << game.smashing << " nexttrail "
      << game.nextTrailId << " scan " << game.scanCol << ' ' << game.scanRow << '\n';
  out << "timers " << window.timersOn << " interval3 " << window.badStepInterval << " pause "
      << window.pauseCaption << '\n';
  // The dump numbers the read-outs from 1, as the window's labels were first numbered.
  for (std::size_t i = 0; i < window.labels.size(); ++i) {
    out << "label" << (i + 1) << ' ' << window.labels[i] << '\n';
  }
  out << "tiles\n";
  DumpLayer(out, game.board.tiles);
  out << "marks\n";
  DumpLayer(out, game.board.marks);
  DumpCells(out, "harden", game.hardenQueue);
  DumpCells(out, "smash", game.smashQueue);
  DumpCells(out, "hatch", game.hatchQueue);
  DumpBaddies(out, "bad", game.badQueue);
  DumpBaddies(out, "verybad", game.veryBadQueue);
  out << "end\n";
}

}  // namespace stonewick
