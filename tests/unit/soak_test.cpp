// The soak: a million pseudo-random events across all five levels and past them, with every
// invariant checked after each one. STONEWICK_SOAK_EVENTS and STONEWICK_SOAK_SEED set another
// count and another game for a longer run; the figures are printed at the end.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <ostream>
#include <string>

#include "tests/support/checked_session.h"
#include "tests/support/event_source.h"
#include "tests/support/position_builder.h"

namespace stonewick::testing {
namespace {

constexpr std::uint64_t kDefaultEvents = 1'000'000;
constexpr std::uint32_t kDefaultSeed = 20261207;

// A session ends when the window closes or after this many events. Each session first
// skips to its own level (1 to 6 in turn), so that every level gets long play.
constexpr std::uint64_t kSessionEvents = 20'000;
constexpr std::uint64_t kStartingLevels = 6;
// Every seventh session starts with the level 1 baddies walled in by red bricks, so that
// they die early and the level-cleared road, Skip from it and hatching get played too.
constexpr std::uint64_t kWalledInEvery = 7;

void WallInTheBaddies(SessionCore& session) {
  const PlayState& game = session.game();
  PositionBuilder walledIn(game);
  ForEachOldestFirst<Baddie>(game.badQueue.Links(), [&](const Baddie& b) {
    for (const Step& n : kNeighbourOrder) {
      const int col = b.col + n.dc;
      const int row = b.row + n.dr;
      if (Board::Contains(col, row) && game.board.tiles[col][row] != Bad &&
          (col != game.playerCol || row != game.playerRow)) {
        walledIn.Cell(col, row, HardBrick);
      }
    }
  });
  Put(session, walledIn);
}

std::uint64_t FromEnvironment(const char* name, std::uint64_t otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr ? std::strtoull(text, nullptr, 10) : otherwise;
}

std::uint64_t EventsToPlay() {
  return FromEnvironment("STONEWICK_SOAK_EVENTS", kDefaultEvents);
}

struct SoakFigures {
  std::uint64_t events = 0;
  std::uint64_t sessions = 0;
  std::uint64_t closed = 0;
  std::int64_t virtualMs = 0;
  std::array<std::uint64_t, 8> eventsAtLevel{};  // levels 1 to 6, and beyond
  std::array<std::uint64_t, 5> eventsInState{};
  std::int32_t mostKills = 0;
  std::uint64_t levelsCleared = 0;
  std::uint64_t eventsWithVeryBad = 0;  // hatched nests at large
  std::string fault;
};

SoakFigures Soak(std::uint64_t events, std::uint32_t seed) {
  SoakFigures figures;
  RandomBytes bytes(seed);
  std::ostream sink(nullptr);
  while (figures.events < events && figures.fault.empty()) {
    CheckedSession session(sink);
    const bool walledIn = figures.sessions % kWalledInEvery == kWalledInEvery - 1;
    const std::uint64_t skips = walledIn ? 0 : figures.sessions % kStartingLevels;
    if (walledIn) {
      WallInTheBaddies(session.replay.MutableSession());
    }
    ++figures.sessions;
    bool wasCleared = false;
    for (std::uint64_t i = 0; i < kSessionEvents && figures.events < events; ++i) {
      const bool going = session.Play(i < skips ? std::string("menu skip")
                                                : NextEvent(bytes, session.replay.game()));
      ++figures.events;
      const PlayState& game = session.replay.game();
      const bool clearedNow = game.state == GameState::LevelCleared;
      figures.levelsCleared += clearedNow && !wasCleared ? 1 : 0;
      wasCleared = clearedNow;
      figures.eventsAtLevel[static_cast<std::size_t>(std::min(game.level, 7))] += 1;
      figures.eventsInState[static_cast<std::size_t>(game.state)] += 1;
      figures.mostKills = std::max(figures.mostKills, game.kills);
      figures.eventsWithVeryBad += game.veryBadQueue.count() > 0 ? 1 : 0;
      if (!going) {
        figures.fault = session.fault.empty() ? session.error : session.fault;
        figures.closed += session.replay.Closed() ? 1 : 0;
        if (session.replay.Closed() && session.fault.empty()) {
          figures.fault.clear();
        }
        break;
      }
    }
    figures.virtualMs += session.replay.script().clock.nowMs;
  }
  return figures;
}

TEST(Soak, RandomPlayKeepsEveryInvariantOnEveryLevel) {
  const SoakFigures f =
      Soak(EventsToPlay(),
           static_cast<std::uint32_t>(FromEnvironment("STONEWICK_SOAK_SEED", kDefaultSeed)));
  std::cout << "soak: " << f.events << " events in " << f.sessions << " sessions (" << f.closed
            << " closed by the game), " << f.virtualMs / 1000 << " s of virtual time, most kills "
            << f.mostKills << ", levels cleared " << f.levelsCleared
            << ", events with very bad baddies at large " << f.eventsWithVeryBad
            << "\nsoak: events at level";
  for (std::size_t level = 1; level < f.eventsAtLevel.size(); ++level) {
    std::cout << ' ' << level << ':' << f.eventsAtLevel[level];
  }
  std::cout << "\nsoak: events in state";
  for (std::size_t state = 0; state < f.eventsInState.size(); ++state) {
    std::cout << ' ' << state << ':' << f.eventsInState[state];
  }
  std::cout << '\n';

  EXPECT_EQ(f.fault, "");
  EXPECT_EQ(f.events, EventsToPlay());
  for (std::size_t level = 1; level <= 6; ++level) {
    EXPECT_GT(f.eventsAtLevel[level], 0u) << "level " << level << " was never played";
  }
  for (std::size_t state = 0; state < f.eventsInState.size(); ++state) {
    EXPECT_GT(f.eventsInState[state], 0u) << "state " << state << " was never reached";
  }
  EXPECT_GT(f.levelsCleared, 0u);
  EXPECT_GT(f.eventsWithVeryBad, 0u);
}

}  // namespace
}  // namespace stonewick::testing
