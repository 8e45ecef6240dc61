// Play control: the game state, the three timers' handlers, the counters and their labels,
// the menu commands, and what happens when a baddie reaches the player.
#include <string>

#include "game/game.h"

namespace stonewick {

void Game::SeedFromClock() {
  random.SeedFromClock(host.ClockReading());
}

void Game::SetPaused(bool paused) {
  host.SetTimersEnabled(!paused);
  running = !paused;
  if (paused) {
    state = GameState::Paused;
  }
}

void Game::StartPlay() {
  startTime = host.Now();
  SetPaused(false);
  state = GameState::Running;
}

void Game::AddPowers(std::int32_t delta) {
  powers += delta;
  host.SetLabel(1, "Powers : " + std::to_string(powers));
  host.ProcessMessages();
  if (powers > 0) {
    playerTiles = {PoweredUp, PoweredDown, PoweredLeft, PoweredRight};
  } else {
    playerTiles = {PlayerUp, PlayerDown, PlayerLeft, PlayerRight};
  }
}

void Game::SetLevel(std::int32_t n) {
  level = n;
  host.SetLabel(3, "Level : " + std::to_string(n));
}

void Game::ClearBaddieQueues() {
  Baddie scratch{};
  Clear(badQueue, &scratch);
  Clear(veryBadQueue, &scratch);
}

bool Game::PlayerCaught() {
  if (state == GameState::GameOver) {
    return false;
  }
  if (powers > 0) {
    SetPaused(true);
    host.InfoDialog(kSecondChanceMessage);
    AddPowers(-powers);
    SetPaused(false);
    return false;
  }
  state = GameState::GameOver;
  switch (host.ConfirmDialog(kGameOverQuestion)) {
    case 'Y':
      ClearBaddieQueues();
      StartLevelOne();
      SetPaused(true);
      state = GameState::Ready;
      break;
    case 'N':
      host.CloseMainWindow();
      break;
    case 'C':
      SetCell(playerCol, playerRow, trailTile);
      playerCol = 0;
      playerRow = 0;
      break;
    default:
      break;
  }
  return true;
}

void Game::Timer1Timer() {
  if (tickBusy) {
    return;
  }
  tickBusy = true;
  HardeningStep();
  VeryBadStep();
  SmashStep();
  ScanStep();
  ScanStep();
  if (slowTickDue) {
    slowTickDue = false;
    HatchStep();
    slowTicks += 1;
    host.SetLabel(2, host.LongTimeText(host.Now() - startTime));
  }
  tickBusy = false;
}

void Game::Timer2Timer() {
  slowTickDue = true;
}

void Game::Timer3Timer() {
  if (tickBusy) {
    return;
  }
  tickBusy = true;
  BadStep();
  tickBusy = false;
}

void Game::start1Click() {
  StartPlay();
}

void Game::Pause1Click() {
  if (host.PauseCaption() == kPauseCaption) {
    SetPaused(true);
    host.SetPauseCaption(kResumeCaption);
  } else {
    SetPaused(false);
    host.SetPauseCaption(kPauseCaption);
  }
}

void Game::Auto1Click() {
  SetCell(playerCol, playerRow, trailTile == Dirt ? Blank : Dirt);
  playerCol = 0;
  playerRow = 0;
  StartPlay();
}

void Game::Cheat1Click() {
  AddPowers(10);
}

void Game::Randomise1Click() {}

void Game::Exit1Click() {
  host.CloseMainWindow();
}

void Game::FormCreate() {
  AddPowers(1);
}

void Game::FormShow() {
  StartLevelOne();
}

}  // namespace stonewick
