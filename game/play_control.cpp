// Play control: the game state, the three timers' handlers, the counters and their labels,
// the menu commands, and what happens when a baddie reaches the player.

#include "game/game.h"
#include "lib/instructions_colour.h"
#include "lib/play_clock.h"

namespace stonewick {

void Game::SeedFromClock() {
  random.SeedFromClock(host.ClockReading());
}

void Game::SetPaused(bool paused) {
  host.SetTimersRunning(!paused);
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
  host.ShowReadout(Readout::Powers, powers);
  LetEventsIn();
  if (powers > 0) {
    playerTiles = {PoweredUp, PoweredDown, PoweredLeft, PoweredRight};
  } else {
    playerTiles = {PlayerUp, PlayerDown, PlayerLeft, PlayerRight};
  }
}

void Game::SetLevel(std::int32_t n) {
  level = n;
  host.ShowReadout(Readout::Level, n);
}

void Game::ClearBaddieQueues() {
  badQueue.Clear();
  veryBadQueue.Clear();
}

bool Game::PlayerCaught() {
  // While the game is over a baddie reaching the player again changes nothing: the
  // question is not asked a second time.
  if (state == GameState::GameOver) {
    return false;
  }
  if (powers > 0) {
    SetPaused(true);
    Tell(GameBox::SecondChance);
    AddPowers(-powers);
    SetPaused(false);
    return false;
  }
  state = GameState::GameOver;
  switch (Ask(GameBox::GameOver)) {
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
      RemovePlayer(trailTile);
      break;
    default:
      break;  // the question closed unanswered: the game stays over as it stands
  }
  return true;
}

void Game::TimerFired(GameTimer timer) {
  switch (timer) {
    case GameTimer::Main:
      MainTick();
      break;
    case GameTimer::Slow:
      MarkSlowTickDue();
      break;
    case GameTimer::BadStep:
      BadStepTick();
      break;
  }
}

void Game::MainTick() {
  // A tick that comes while a step lets events run (a message, a smash animation) is
  // dropped, so that the steps never run inside one another.
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
    host.ShowReadout(Readout::Clock, PlayClockSeconds(host.Now() - startTime));
  }
  tickBusy = false;
}

void Game::MarkSlowTickDue() {
  slowTickDue = true;
}

std::int32_t Game::SlowTickStamp() const {
  return static_cast<std::int32_t>(slowTicks);
}

void Game::BadStepTick() {
  // Dropped inside another step, as the main tick is.
  if (tickBusy) {
    return;
  }
  tickBusy = true;
  BadStep();
  tickBusy = false;
}

void Game::StartCommand() {
  StartPlay();
}

void Game::PauseCommand() {
  pausedByPlayer = !pausedByPlayer;
  SetPaused(pausedByPlayer);
  host.ShowPauseCommand(pausedByPlayer ? PauseOffer::Resume : PauseOffer::Pause);
}

void Game::AutoCommand() {
  RemovePlayer(trailTile == Dirt ? Blank : Dirt);
  StartPlay();
}

void Game::CheatCommand() {
  AddPowers(10);
}

// Randomise is on the menu but changes nothing: every level seeds the generator itself.
void Game::RandomiseCommand() {}

void Game::ExitCommand() {
  host.CloseMainWindow();
}

void Game::InstructionsCommand() {
  // The window's pastel is drawn with the game's generator, whose sequence the draw leaves
  // as it found it.
  if (instructionsColour == 0) {
    instructionsColour = DrawInstructionsColour(random, host.ClockReading());
  }
  host.ShowInstructions(instructionsColour);
}

void Game::RunCommand(MenuCommand command) {
  switch (command) {
    case MenuCommand::Exit:
      ExitCommand();
      break;
    case MenuCommand::Start:
      StartCommand();
      break;
    case MenuCommand::Pause:
      PauseCommand();
      break;
    case MenuCommand::Randomise:
      RandomiseCommand();
      break;
    case MenuCommand::Cheat:
      CheatCommand();
      break;
    case MenuCommand::Skip:
      SkipCommand();
      break;
    case MenuCommand::Auto:
      AutoCommand();
      break;
    case MenuCommand::Instructions:
      InstructionsCommand();
      break;
    case MenuCommand::About:
      host.ShowAbout();
      break;
  }
}

void Game::GiveFirstPower() {
  AddPowers(1);
}

void Game::LayOutFirstLevel() {
  StartLevelOne();
}

void Game::Start() {
  GiveFirstPower();
  LayOutFirstLevel();
}

}  // namespace stonewick
