// The replay session: a game at the program's starting point, virtual time, and the dump
// of the whole state.
#include "tools/replay.h"

#include <string>

#include "lib/instructions_colour.h"

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

void DumpCells(std::ostream& out, const char* name, const RecordList& list) {
  out << name << ' ' << list.count << ':';
  const char* separator = " ";
  ForEachOldestFirst<QueuedCell>(list, [&](const QueuedCell& pos) {
    out << separator << pos.col << ' ' << pos.row << ' ' << pos.tick;
    separator = ", ";
  });
  out << '\n';
}

void DumpBaddies(std::ostream& out, const char* name, const RecordList& list) {
  out << name << ' ' << list.count << ':';
  const char* separator = " ";
  ForEachOldestFirst<Baddie>(list, [&](const Baddie& b) {
    out << separator << b.col << ' ' << b.row << ' ' << b.dx << ' ' << b.dy << ' '
        << static_cast<char>(b.kind) << ' ' << b.steps << ' ' << b.under << ' ' << b.trailId;
    separator = ", ";
  });
  out << '\n';
}

}  // namespace

Replay::Replay(std::ostream& out) : host(out), game(host) {
  game.GiveFirstPower();
  game.LayOutFirstLevel();
}

void Replay::Wait(std::int64_t ms) {
  const std::int64_t end = host.nowMs + ms;
  while (!host.closed) {
    int next = -1;
    for (int i = 0; i < static_cast<int>(host.timers.size()); ++i) {
      const VirtualTimer& timer = host.timers[i];
      if (timer.enabled && timer.due <= end && (next < 0 || timer.due < host.timers[next].due)) {
        next = i;
      }
    }
    if (next < 0) {
      break;
    }
    const std::int64_t firedAt = host.timers[next].due;
    host.nowMs = firedAt;
    FireTimer(next);
    VirtualTimer& fired = host.timers[next];
    if (fired.enabled) {
      fired.due = firedAt + fired.interval;
    }
  }
  if (!host.closed) {
    host.nowMs = end;
  }
}

void Replay::FireTimer(int timer) {
  switch (timer) {
    case 0:
      game.MainTick();
      break;
    case 1:
      game.MarkSlowTickDue();
      break;
    default:
      game.BadStepTick();
      break;
  }
}

void Replay::DeliverTimer(int timer) {
  if (host.timers[timer].enabled) {
    FireTimer(timer);
  }
}

void Replay::ShowInstructions() {
  if (!instructionsOpen) {
    instructionsOpen = true;
    DrawInstructionsColour(game.random, host.ClockReading());
  }
}

void Replay::Dump() {
  std::ostream& out = host.out;
  const auto timersOn = host.timers[0].enabled && host.timers[1].enabled && host.timers[2].enabled;
  out << "state " << static_cast<int>(game.state) << " running " << game.running << " level "
      << game.level << " powers " << game.powers << " kills " << game.kills << " slowticks "
      << game.slowTicks << '\n';
  out << "player " << game.playerCol << ' ' << game.playerRow << " trail " << game.trailTile
      << " seed " << game.random.randomSeed << " smashing " << game.smashing << " nexttrail "
      << game.nextTrailId << " scan " << game.scanCol << ' ' << game.scanRow << '\n';
  out << "timers " << timersOn << " interval3 " << host.timers[kBadStepTimer].interval << " pause "
      << host.pauseCaption << '\n';
  for (std::size_t i = 0; i < host.labels.size(); ++i) {
    out << "label" << (i + 1) << ' ' << host.labels[i] << '\n';
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
