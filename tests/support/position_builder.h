// Hand-built positions for the rules' tests: a PlayState taken from a game, changed cell by
// cell and counter by counter, and handed back to the game whole with Game::Restore. Nothing
// is drawn: a position set up this way shows as the rules left the screen.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "game/game.h"
#include "session/core/session.h"
#include "tests/support/session_access.h"

namespace stonewick::testing {

class PositionBuilder {
 public:
  explicit PositionBuilder(const PlayState& from) : state_(from) {}
  // The state of the session's game as it stands.
  explicit PositionBuilder(const Session& session) : state_(session.game()) {}
  explicit PositionBuilder(const SessionCore& session) : state_(session.game()) {}

  // ---- The board.
  PositionBuilder& Cell(int col, int row, std::int32_t code) {
    state_.board.tiles[col][row] = code;
    return *this;
  }
  // `code` at (col, row) moved by each of `offsets`.
  PositionBuilder& Cells(int col, int row, std::initializer_list<std::array<int, 2>> offsets,
                         std::int32_t code) {
    for (const auto& o : offsets) {
      Cell(col + o[0], row + o[1], code);
    }
    return *this;
  }
  PositionBuilder& Mark(int col, int row, std::int32_t mark) {
    state_.board.marks[col][row] = mark;
    return *this;
  }
  // The border ring with `floor` inside, marks 0, no player and every work queue empty.
  // Counters and the generator are left alone.
  PositionBuilder& EmptyBoard(std::int32_t floor = Blank) {
    state_.hardenQueue.Clear();
    state_.smashQueue.Clear();
    state_.hatchQueue.Clear();
    state_.badQueue.Clear();
    state_.veryBadQueue.Clear();
    for (int col = 0; col < kBoardSize; ++col) {
      for (int row = 0; row < kBoardSize; ++row) {
        const bool ring = col == 0 || row == 0 || col == kBoardSize - 1 || row == kBoardSize - 1;
        Cell(col, row, ring ? std::int32_t{Border} : floor);
        Mark(col, row, 0);
      }
    }
    return NoPlayer();
  }

  // ---- The player.
  PositionBuilder& Player(int col, int row, std::int32_t code) {
    state_.playerCol = col;
    state_.playerRow = row;
    return Cell(col, row, code);
  }
  // Takes the player off the board, leaving its cell as it is.
  PositionBuilder& NoPlayer() {
    state_.playerCol = 0;
    state_.playerRow = 0;
    return *this;
  }
  PositionBuilder& TrailTile(std::int32_t code) {
    state_.trailTile = code;
    return *this;
  }
  PositionBuilder& PlayerTiles(const std::array<std::int32_t, 4>& tiles) {
    state_.playerTiles = tiles;
    return *this;
  }

  // ---- Baddies: a tile on the board and a record at the back of its queue.
  PositionBuilder& Bad(const Baddie& baddie, std::int32_t tile = stonewick::Bad) {
    Cell(baddie.col, baddie.row, tile);
    return BadRecord(baddie);
  }
  PositionBuilder& VeryBad(const Baddie& baddie, std::int32_t tile = stonewick::VeryBad) {
    Cell(baddie.col, baddie.row, tile);
    return VeryBadRecord(baddie);
  }
  // A record alone, whatever the board shows.
  PositionBuilder& BadRecord(const Baddie& baddie) {
    state_.badQueue.Add(baddie);
    return *this;
  }
  PositionBuilder& VeryBadRecord(const Baddie& baddie) {
    state_.veryBadQueue.Add(baddie);
    return *this;
  }
  // The oldest walking baddie's record leaves its queue: the record, or none when it is empty.
  std::optional<Baddie> TakeOldestBad() { return state_.badQueue.Take(); }

  // ---- Counters.
  PositionBuilder& Powers(std::int32_t n) {
    state_.powers = n;
    return *this;
  }
  PositionBuilder& Level(std::int32_t n) {
    state_.level = n;
    return *this;
  }
  PositionBuilder& Kills(std::int32_t n) {
    state_.kills = n;
    return *this;
  }
  PositionBuilder& SlowTicks(std::uint32_t n) {
    state_.slowTicks = n;
    return *this;
  }
  PositionBuilder& NextTrailId(std::int32_t id) {
    state_.nextTrailId = id;
    return *this;
  }
  // The scanner's cursor.
  PositionBuilder& ScanCol(std::int32_t col) {
    state_.scanCol = col;
    return *this;
  }
  PositionBuilder& ScanRow(std::int32_t row) {
    state_.scanRow = row;
    return *this;
  }
  PositionBuilder& Seed(std::uint32_t seed) {
    state_.random.randomSeed = seed;
    return *this;
  }

  // ---- Play control.
  PositionBuilder& State(GameState state) {
    state_.state = state;
    return *this;
  }
  PositionBuilder& Running(bool running) {
    state_.running = running;
    return *this;
  }
  PositionBuilder& TickBusy(bool busy) {
    state_.tickBusy = busy;
    return *this;
  }
  PositionBuilder& SlowTickDue(bool due) {
    state_.slowTickDue = due;
    return *this;
  }
  PositionBuilder& Smashing(bool smashing) {
    state_.smashing = smashing;
    return *this;
  }
  PositionBuilder& Glide(bool on) {
    state_.glide = on;
    return *this;
  }
  // When play started, as a date-time (days).
  PositionBuilder& StartTime(double days) {
    state_.startTime = days;
    return *this;
  }

  const PlayState& Build() const { return state_; }

 private:
  PlayState state_;
};

// The position `position` makes, put in the place of the session's game's state.
inline void Put(Session& session, const PositionBuilder& position) {
  GameOf(session).Restore(position.Build());
}
inline void Put(SessionCore& session, const PositionBuilder& position) {
  GameOf(session).Restore(position.Build());
}

}  // namespace stonewick::testing
