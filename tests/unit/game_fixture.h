// Shared set-up for the rules tests: a session's game at the program's starting point on a
// screen-less front end that also notes draws and pauses, helpers for hand-built boards, and a
// separate copy of the generator that says which numbers the rules must draw.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_steps.h"
#include "lib/play_clock.h"
#include "session/core/session.h"
#include "session/core/timer_schedule.h"
#include "tests/support/position_builder.h"
#include "tests/support/rules_front_end.h"
#include "tests/support/session_access.h"

namespace stonewick::testing {

// The generator written out again, apart from the game's own, to predict its draws.
struct Draws {
  std::uint32_t seed;
  std::uint32_t Below(std::uint32_t n) {
    seed = seed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * n) >> 32);
  }
  int Between(int lo, int hi) {
    if (hi < lo) {
      return 0;
    }
    if (hi == lo) {
      return lo;
    }
    return lo + static_cast<int>(Below(static_cast<std::uint32_t>(hi - lo + 1)));
  }
  int Percent() { return Between(0, 100); }
};

// Level 1 as every game lays it out: # border, o soft brick, . blank, H hard brick,
// B bad baddie, P the player facing up. One string per row, columns left to right.
inline constexpr std::array<const char*, 22> kLevelOneRows = {
    "######################", "#o.oo....o...o.o..o..#", "#o.o..oo.o..oooo..oo.#",
    "#...ooo.....o..o..o.o#", "#.oo......ooo...ooooo#", "#oo..oooooo..o.oB....#",
    "#.oo....o...ooo.o.ooo#", "#.o..o...o....o..o...#", "#oo..oooooo.o...oo...#",
    "#o..o....o....o.o.o..#", "#.o.o.o...Po...o....o#", "#.o..o..o.o..oooo...o#",
    "#ooB...o....o.....ooo#", "#o...ooo.oooo.o....o.#", "#.o..o.o..o..o..o.o..#",
    "#o..o....o....ooo.o.o#", "#o..o.o.oo.o.o.o...oo#", "#.o...o...o.o...H..o.#",
    "#o.o.oo....o.oo.o.o..#", "#.....oooo.o.o..o....#", "#ooo..o..o.o.oooo..o.#",
    "######################"};

inline std::int32_t CodeOfSymbol(char symbol) {
  switch (symbol) {
    case '#':
      return Border;
    case 'o':
      return SoftBrick;
    case 'H':
      return HardBrick;
    case 'B':
      return Bad;
    case 'P':
      return PlayerUp;
    default:
      return Blank;
  }
}

inline Board::Layer LevelOneTiles() {
  Board::Layer tiles{};
  for (int col = 0; col < kBoardSize; ++col) {
    for (int row = 0; row < kBoardSize; ++row) {
      tiles[col][row] = CodeOfSymbol(kLevelOneRows[row][col]);
    }
  }
  return tiles;
}

// Records as the replay dump writes them: "col row dx dy kind steps under trail".
inline std::string Describe(const Baddie& b) {
  std::ostringstream s;
  s << b.col << ' ' << b.row << ' ' << b.dx << ' ' << b.dy << ' ' << static_cast<char>(b.kind)
    << ' ' << b.steps << ' ' << b.under << ' ' << b.trailId;
  return s.str();
}
inline std::string Describe(const QueuedCell& p) {
  std::ostringstream s;
  s << p.col << ' ' << p.row << ' ' << p.tick;
  return s.str();
}

inline std::vector<std::string> BaddiesIn(const Queue<Baddie>& queue) {
  std::vector<std::string> out;
  queue.ForEachOldestFirst([&](const Baddie& b) { out.push_back(Describe(b)); });
  return out;
}
inline std::vector<std::string> BricksIn(const Queue<QueuedCell>& queue) {
  std::vector<std::string> out;
  queue.ForEachOldestFirst([&](const QueuedCell& p) { out.push_back(Describe(p)); });
  return out;
}

inline Baddie MakeBaddie(int col, int row, int dx, int dy, BaddieKind kind, std::int32_t under,
                         std::int32_t trailId = 0) {
  return Baddie{col, row, dx, dy, kind, 0, under, trailId};
}

inline std::string InfoLine(const char* message) {
  return std::string("info \"") + message + "\"\n";
}
inline std::string ConfirmLine(const char* message, const char* answer) {
  return std::string("confirm \"") + message + "\" " + answer + "\n";
}

// A game as the program stands once its main window is shown: level 1, Ready, timers off. It
// is a session's, on a screen-less front end; positions are built with Position and Put, the
// state is read with game.State(), events are given through the session, and single steps
// run through `steps`.
class GameTest : public ::testing::Test {
 protected:
  GameTest() { session.Start(); }

  // The player does something: it reaches the game through the session, as in play.
  void Give(const Event& event) { session.Deliver(event); }

  // The game's state as it stands, to be changed and put back with Put.
  PositionBuilder Position() const { return PositionBuilder(game.State()); }
  void Put(const PositionBuilder& position) { game.Restore(position.Build()); }

  // An empty board for hand-built positions: the border ring, `floor` inside, marks 0,
  // no player and every work queue empty. Counters and the generator are left alone.
  void ClearBoard(std::int32_t floor = Blank) { Put(Position().EmptyBoard(floor)); }
  void PlacePlayer(int col, int row, std::int32_t code) { Put(Position().Player(col, row, code)); }
  // Puts a baddie's tile on the board and its record at the back of the bad queue.
  void QueueBad(const Baddie& b, std::int32_t tile = Bad) { Put(Position().Bad(b, tile)); }
  void QueueVeryBad(const Baddie& b, std::int32_t tile = VeryBad) {
    Put(Position().VeryBad(b, tile));
  }
  void Fill(int col, int row, std::initializer_list<std::array<int, 2>> offsets,
            std::int32_t code) {
    Put(Position().Cells(col, row, offsets, code));
  }

  std::int32_t At(int col, int row) const { return game.State().board.tiles[col][row]; }
  std::int32_t MarkAt(int col, int row) const { return game.State().board.marks[col][row]; }

  int CountTiles(std::int32_t code) const {
    int n = 0;
    for (const auto& column : game.State().board.tiles) {
      for (std::int32_t c : column) {
        n += c == code ? 1 : 0;
      }
    }
    return n;
  }

  std::string Label(int n) const { return session.Shown().labels[n - 1]; }
  const TimerSchedule& Timers() const { return session.Timers(); }
  bool TimersOn() const { return Timers().AllEnabled(); }
  bool TimersOff() const { return Timers().NoneEnabled(); }
  std::string Said() const { return out.str(); }
  void Forget() {
    out.str("");
    host.drawn.clear();
    host.pauses.clear();
  }

  std::ostringstream out;
  RulesFrontEnd host{out};
  Session session{host};
  Game& game = GameOf(session);
  GameSteps& steps = game.Steps();
};

}  // namespace stonewick::testing
