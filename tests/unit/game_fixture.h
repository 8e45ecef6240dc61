// Shared set-up for the rules tests: a game at the program's starting point on a headless
// host that also notes draws and pauses, helpers for hand-built boards, and a separate
// copy of the generator that says which numbers the rules must draw.
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
#include "lib/play_clock.h"
#include "session/core/timer_schedule.h"
#include "session/scripts/scripted_clock.h"

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

struct Drawn {
  int col;
  int row;
  std::int32_t code;
};

// A host for the rules alone, as the replay prints them: virtual time, the three timers'
// schedule, labels kept as text, boxes that print and take queued answers, and every cell
// drawn and every pause asked for noted.
class RecordingHost : public Host, public ScriptedClock {
 public:
  explicit RecordingHost(std::ostream& out_) : out(out_) {
    std::copy(kInitialLabelCaptions.begin(), kInitialLabelCaptions.end(), labels.begin());
  }
  void DrawCell(int col, int row, std::int32_t code) override { drawn.push_back({col, row, code}); }
  void ShowReadout(Readout readout, const std::string& text) override {
    labels[static_cast<std::size_t>(readout)] = text;
  }
  void RunPendingEvents() override {}
  void ShowMessage(const std::string& message) override {
    if (!closed) {
      out << "info \"" << message << "\"\n";
    }
  }
  char AskYesNoCancel(const std::string& message) override {
    if (closed) {
      return ' ';
    }
    const char answer = TakeAnswer();
    out << "confirm \"" << message << "\" " << AnswerWord(answer) << '\n';
    return answer;
  }
  void SetTimersRunning(bool running) override { timers.SetRunning(running, nowMs); }
  void SetBadStepInterval(std::int32_t ms) override { timers.SetBadStepInterval(ms, nowMs); }
  double Now() override { return Days(); }
  std::uint32_t ClockReading() override { return TakeReading(); }
  void PauseMs(std::int32_t ms) override { pauses.push_back(ms); }
  void ShowPauseCommand(const std::string& caption) override { pauseCaption = caption; }
  void EnableSkipCommand(bool enabled) override { skipEnabled = enabled; }
  void CloseMainWindow() override {
    if (!closed) {
      out << "closed\n";
    }
    closed = true;
  }
  void ShowInstructions(int) override {}
  void ShowAbout() override {}

  // The codes drawn at one cell, oldest first.
  std::vector<std::int32_t> DrawnAt(int col, int row) const {
    std::vector<std::int32_t> codes;
    for (const Drawn& d : drawn) {
      if (d.col == col && d.row == row) {
        codes.push_back(d.code);
      }
    }
    return codes;
  }

  std::ostream& out;
  TimerSchedule timers;
  std::array<std::string, kReadoutCount> labels;  // by Readout
  std::string pauseCaption = kPauseCaption;
  bool skipEnabled = true;
  bool closed = false;
  std::vector<Drawn> drawn;
  std::vector<std::int32_t> pauses;
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

// A game as the program stands once its main window is shown: level 1, Ready, timers off.
class GameTest : public ::testing::Test {
 protected:
  GameTest() {
    game.GiveFirstPower();
    game.LayOutFirstLevel();
  }

  // An empty board for hand-built positions: the border ring, `floor` inside, marks 0,
  // no player and every work queue empty. Counters and the generator are left alone.
  void ClearBoard(std::int32_t floor = Blank) {
    game.ClearBaddieQueues();
    game.hardenQueue.Clear();
    game.smashQueue.Clear();
    game.hatchQueue.Clear();
    for (int col = 0; col < kBoardSize; ++col) {
      for (int row = 0; row < kBoardSize; ++row) {
        const bool ring = col == 0 || row == 0 || col == kBoardSize - 1 || row == kBoardSize - 1;
        game.board.tiles[col][row] = ring ? std::int32_t{Border} : floor;
        game.board.marks[col][row] = 0;
      }
    }
    game.playerCol = 0;
    game.playerRow = 0;
  }

  void PlacePlayer(int col, int row, std::int32_t code) {
    game.board.tiles[col][row] = code;
    game.playerCol = col;
    game.playerRow = row;
  }

  // Puts a baddie's tile on the board and its record at the back of the bad queue.
  void QueueBad(const Baddie& b, std::int32_t tile = Bad) {
    game.board.tiles[b.col][b.row] = tile;
    game.badQueue.Add(b);
  }
  void QueueVeryBad(const Baddie& b, std::int32_t tile = VeryBad) {
    game.board.tiles[b.col][b.row] = tile;
    game.veryBadQueue.Add(b);
  }

  void Fill(int col, int row, std::initializer_list<std::array<int, 2>> offsets,
            std::int32_t code) {
    for (const auto& o : offsets) {
      game.board.tiles[col + o[0]][row + o[1]] = code;
    }
  }

  std::int32_t At(int col, int row) const { return game.board.tiles[col][row]; }
  std::int32_t MarkAt(int col, int row) const { return game.board.marks[col][row]; }

  int CountTiles(std::int32_t code) const {
    int n = 0;
    for (const auto& column : game.board.tiles) {
      for (std::int32_t c : column) {
        n += c == code ? 1 : 0;
      }
    }
    return n;
  }

  const std::string& Label(int n) const { return host.labels[n - 1]; }
  bool TimersOn() const { return host.timers.AllEnabled(); }
  bool TimersOff() const { return host.timers.NoneEnabled(); }
  std::string Said() const { return out.str(); }
  void Forget() {
    out.str("");
    host.drawn.clear();
    host.pauses.clear();
  }

  std::ostringstream out;
  RecordingHost host{out};
  Game game{host};
};

}  // namespace stonewick::testing
