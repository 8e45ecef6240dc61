// The rules' single steps, run one at a time on a game: the tests and the benchmarks drive a
// hardening step, a bad step or a hatch on their own, where play runs them only inside the
// events that Game::Apply takes. Nothing here reads or writes the state: a position is set up
// with Game::Restore and read with Game::State.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace stonewick {

class GameSteps {
 public:
  explicit GameSteps(Game& game) : game_(game) {}

  // Board model.
  void SetCell(int col, int row, std::int32_t code) { game_.SetCell(col, row, code); }

  // Play control.
  void SetPaused(bool paused) { game_.SetPaused(paused); }
  void StartPlay() { game_.StartPlay(); }
  void AddPowers(std::int32_t delta) { game_.AddPowers(delta); }
  void ClearBaddieQueues() { game_.ClearBaddieQueues(); }
  bool PlayerCaught() { return game_.PlayerCaught(); }
  void MainTick() { game_.MainTick(); }
  void LayoutBrickField() { game_.LayoutBrickField(); }
  void LayoutLevel3() { game_.LayoutLevel3(); }
  void LayoutLevel4() { game_.LayoutLevel4(); }
  void LayoutLevel5() { game_.LayoutLevel5(); }

  // The player.
  bool ArriveAt(std::int32_t col, std::int32_t row, std::int32_t code) {
    return game_.ArriveAt(col, row, code);
  }
  void SmashAt(std::int32_t col, std::int32_t row) { game_.SmashAt(col, row); }

  // Hardening and smashing.
  void QueueHardening(std::int32_t col, std::int32_t row) { game_.QueueHardening(col, row); }
  void QueueSoftNeighbours(std::int32_t col, std::int32_t row) {
    game_.QueueSoftNeighbours(col, row);
  }
  void HardeningStep() { game_.HardeningStep(); }
  void QueueSmash(std::int32_t col, std::int32_t row) { game_.QueueSmash(col, row); }
  void SmashAnimation(std::int32_t col, std::int32_t row) { game_.SmashAnimation(col, row); }
  void SmashStep() { game_.SmashStep(); }

  // Baddies.
  void SpawnBaddie(std::int32_t col, std::int32_t row, BaddieKind kind) {
    game_.SpawnBaddie(col, row, kind);
  }
  void KillBaddie(std::int32_t col, std::int32_t row) { game_.KillBaddie(col, row); }
  void MoveBaddie(Baddie baddie) { game_.MoveBaddie(baddie); }
  void BadStep() { game_.BadStep(); }
  void VeryBadStep() { game_.VeryBadStep(); }
  bool CanStepOnto(const Baddie& baddie, std::int32_t col, std::int32_t row) const {
    return game_.CanStepOnto(baddie, col, row);
  }
  bool CanCrawlOnto(std::int32_t col, std::int32_t row, std::int32_t trailId) const {
    return game_.CanCrawlOnto(col, row, trailId);
  }

  // The scanner.
  void ScanStep() { game_.ScanStep(); }
  void HatchStep() { game_.HatchStep(); }
  void QueueHatch(std::int32_t col, std::int32_t row, std::int32_t tick) {
    game_.QueueHatch(col, row, tick);
  }

 private:
  Game& game_;
};

}  // namespace stonewick
