// The whole state of the rules in one object, and every rule operation on it. The
// operations live in one source file per subsystem: board_changes.cpp, play_control.cpp,
// layouts.cpp, player.cpp, hardening.cpp, baddies.cpp and scanner.cpp.
#pragma once

#include <array>
#include <cstdint>

#include "game/board.h"
#include "game/cells.h"
#include "game/commands.h"
#include "game/event.h"
#include "game/event_nesting.h"
#include "game/game_steps.h"
#include "game/host.h"
#include "lib/random.h"
#include "lists/queue.h"

namespace stonewick {

enum class GameState : std::uint8_t {
  Ready = 0,  // a layout stands, waiting for the first key
  Running = 1,
  Paused = 2,
  LevelCleared = 3,  // every bad baddie is dead, waiting for Skip
  GameOver = 4,
};

// A queued cell (a brick to harden, a nest part to smash, a nest to hatch): column, row and
// the slow tick when it was queued.
struct QueuedCell {
  std::int32_t col;
  std::int32_t row;
  std::int32_t tick;
};
static_assert(sizeof(QueuedCell) == 12);

enum class BaddieKind : char {
  Bad = 'B',      // walks the floor
  VeryBad = 'S',  // hatched from a nest, crawls over walls
};

struct Baddie {
  std::int32_t col;
  std::int32_t row;
  std::int32_t dx;  // the last move made by MoveBaddie
  std::int32_t dy;
  BaddieKind kind;
  std::int32_t steps;
  std::int32_t under;  // the code of the cell the baddie stands on
  std::int32_t trailId;
};
static_assert(sizeof(Baddie) == 32);

struct Cell {
  std::int32_t col;
  std::int32_t row;
};

// Virtual key codes of the board grid.
inline constexpr std::uint16_t kKeySpace = 32;
inline constexpr std::uint16_t kKeyLeft = 37;
inline constexpr std::uint16_t kKeyUp = 38;
inline constexpr std::uint16_t kKeyRight = 39;
inline constexpr std::uint16_t kKeyDown = 40;
inline constexpr std::uint16_t kKeyB = 66;

inline constexpr std::int32_t kMainTickMs = 150;
inline constexpr std::int32_t kSlowTickMs = 400;
inline constexpr std::int32_t kFirstBadStepMs = 400;

enum class Direction { Up, Down, Left, Right };

// The codes of a nest at one stage (game/scanner.cpp).
struct NestStage;
// Whether a quarter that a very bad baddie covers is written over or keeps the baddie.
enum class Covered { WriteOver, Keep };

// Everything the rules keep between events: a plain value, so a game's whole state can be
// taken over at once (a recording played in the window jumps by taking over the state that a
// replay reached).
struct PlayState {
  Random random;
  Board board;

  // The player (0 in either coordinate: no player on the board).
  std::int32_t playerCol = 0;
  std::int32_t playerRow = 0;
  std::int32_t trailTile = Blank;
  std::array<std::int32_t, 4> playerTiles = {PlayerUp, PlayerDown, PlayerLeft, PlayerRight};

  // Play control.
  GameState state = GameState::Ready;
  bool running = false;
  bool tickBusy = false;
  bool slowTickDue = false;
  // The player paused play with the Pause command, which now offers Resume.
  bool pausedByPlayer = false;
  // The player slides on until blocked instead of stepping once. The window's glide box is
  // never shown, so in play this stays off; scripts can set it.
  bool glide = false;
  std::uint32_t slowTicks = 0;
  double startTime = 0;
  std::int32_t powers = 0;
  std::int32_t level = 0;
  std::int32_t kills = 0;

  // Deferred work, each served one record per event.
  Queue<QueuedCell> hardenQueue;
  Queue<QueuedCell> smashQueue;
  Queue<QueuedCell> hatchQueue;
  Queue<Baddie> badQueue;
  Queue<Baddie> veryBadQueue;

  bool smashing = false;
  std::int32_t nextTrailId = 0;
  std::int32_t scanCol = 0;
  std::int32_t scanRow = 0;

  // The Instructions window's pastel (1 to 6) while it is open, 0 while it is closed: each
  // opening draws a new one from the clock.
  int instructionsColour = 0;
};

// The rules as a back end. Every event from outside reaches them through Apply; the world
// around sees their state only as a read-only PlayState, and changes it only by events, by
// start-up, by the setup commands a script gives, and by restoring a state it took before.
// Its state and the Host it asks are its own: no one reaches either through the game.
class Game final : private PlayState, private GameSteps {
 public:
  // The board blank, the five queues empty, the counters cleared; nothing is drawn yet.
  explicit Game(Host& host);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Every event from outside reaches the rules through here, in the window, the replay tool
  // and the web page alike.
  void Apply(const Event& event);

  // The state as it stands, to be read.
  const PlayState& State() const { return *this; }
  // The events running now, and the yield points each has reached.
  const EventNesting& Nesting() const { return nesting; }

  // The state between events, and back to it later, shown to no one: the caller redraws.
  PlayState Snapshot() const { return *this; }
  void Restore(const PlayState& state) { static_cast<PlayState&>(*this) = state; }

  // Start-up: the main window's creation gives the first Power; its showing lays out level 1.
  void Start();
  // Draws every cell of the board again, as it stands.
  void RedrawBoard();

  // What a script may set before it plays: the glide box, and the generator's seed.
  void SetGlide(bool on) { glide = on; }
  void SetSeed(std::uint32_t seed) { random.randomSeed = seed; }

  // The single steps, one at a time, for the tests and the benchmarks (game/game_steps.h).
  GameSteps& Steps() { return *this; }

 private:
  // The world around the rules: the session's, and no one else's to reach through the game.
  Host& host;
  EventNesting nesting;

  // Board model.
  void SetCell(int col, int row, std::int32_t code);
  void DrawCell(int col, int row);

  // Play control.
  void SetPaused(bool paused);
  void StartPlay();
  void AddPowers(std::int32_t delta);
  void SetLevel(std::int32_t n);
  void ClearBaddieQueues();
  // True when it took the game-over branch, whatever the answer.
  bool PlayerCaught();
  void TimerFired(GameTimer timer);
  void MainTick();
  void MarkSlowTickDue();
  void BadStepTick();
  void StartCommand();
  void PauseCommand();
  void AutoCommand();
  void CheatCommand();
  void RandomiseCommand();
  void ExitCommand();
  void InstructionsCommand();
  void RunCommand(MenuCommand command);
  void GiveFirstPower();
  void LayOutFirstLevel();

  // Level layouts.
  void StartLevelOne();
  void LayoutBrickField();
  void BreakSoftSquares();
  void LayoutLevel3();
  void LayoutLevel4();
  void LayoutLevel5();
  void SkipCommand();

  // The player.
  void KeyPressed(std::uint16_t key);
  // The cell under the mouse pointer; anything outside 0..21 is no cell.
  void CellClicked(std::int32_t col, std::int32_t row);
  void MovePlayer(Direction direction);
  bool MayEnter(std::int32_t col, std::int32_t row);
  // False when the player was caught there and the game ended: the move stops.
  bool ArriveAt(std::int32_t col, std::int32_t row, std::int32_t code);
  void PushBlock(std::int32_t col, std::int32_t row, std::int32_t dc, std::int32_t dr);
  void SmashAt(std::int32_t col, std::int32_t row);

  // Hardening and smashing.
  void QueueHardening(std::int32_t col, std::int32_t row);
  void QueueSoftNeighbours(std::int32_t col, std::int32_t row);
  void HardeningStep();
  void QueueSmash(std::int32_t col, std::int32_t row);
  void SmashAnimation(std::int32_t col, std::int32_t row);
  void SmashStep();

  // Baddies.
  void SpawnBaddie(std::int32_t col, std::int32_t row, BaddieKind kind);
  void KillBaddie(std::int32_t col, std::int32_t row);
  void MoveBaddie(Baddie baddie);
  void BadStep();
  void VeryBadStep();
  void ShowAtLarge();
  void AdjustBadInterval();
  bool CanStepOnto(const Baddie& baddie, std::int32_t col, std::int32_t row) const;
  bool CanCrawlOnto(std::int32_t col, std::int32_t row, std::int32_t trailId) const;

  // The scanner.
  void ScanStep();
  void HatchStep();
  void MakeNest(std::int32_t col, std::int32_t row);
  void WakeNest(std::int32_t col, std::int32_t row);
  void QueueHatch(std::int32_t col, std::int32_t row, std::int32_t tick);
  void WriteNest(std::int32_t col, std::int32_t row, const NestStage& stage, Covered covered);

  // The yield points: other events may run inside each of these calls.
  void LetEventsIn();
  void Tell(GameBox message);
  char Ask(GameBox question);

  void SeedFromClock();
  // The slow tick that a record queued now carries.
  std::int32_t SlowTickStamp() const;

  // Whether the player is on the board, and whether it stands at (col, row).
  bool HasPlayer() const;
  bool IsPlayerAt(std::int32_t col, std::int32_t row) const;
  // Where the player faces: a step to the next cell, or (0, 0) when no player tile shows.
  Step PlayerFacing() const;
  // Puts the player at (col, row) showing `code`, without drawing: the layouts redraw the
  // whole board once they are done.
  void PutPlayer(std::int32_t col, std::int32_t row, std::int32_t code);
  // Writes `leave` where the player stands and takes the player off the board.
  void RemovePlayer(std::int32_t leave);

  std::int32_t AtLargeCount() const;
  std::int32_t LeftBehind(const Baddie& baddie) const;
  std::int32_t Uncovered(const Baddie& baddie) const;
};

}  // namespace stonewick
