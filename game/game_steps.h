// The rules' single steps, run one at a time on a game: the tests and the benchmarks drive a
// hardening step, a bad step or a hatch on their own, where play runs them only inside the
// events that Game::Apply takes. Nothing here reads or writes the state: a position is set up
// with Game::Restore and read with Game::State. Game implements it and hands it out through
// Game::Steps.
#pragma once

#include <cstdint>

namespace stonewick {

struct Baddie;
enum class BaddieKind : char;

class GameSteps {
 public:
  // Board model.
  virtual void SetCell(int col, int row, std::int32_t code) = 0;

  // Play control.
  virtual void SetPaused(bool paused) = 0;
  virtual void StartPlay() = 0;
  virtual void AddPowers(std::int32_t delta) = 0;
  virtual void ClearBaddieQueues() = 0;
  virtual bool PlayerCaught() = 0;
  virtual void MainTick() = 0;
  virtual void LayoutBrickField() = 0;
  virtual void LayoutLevel3() = 0;
  virtual void LayoutLevel4() = 0;
  virtual void LayoutLevel5() = 0;

  // The player.
  virtual bool ArriveAt(std::int32_t col, std::int32_t row, std::int32_t code) = 0;
  virtual void SmashAt(std::int32_t col, std::int32_t row) = 0;

  // Hardening and smashing.
  virtual void QueueHardening(std::int32_t col, std::int32_t row) = 0;
  virtual void QueueSoftNeighbours(std::int32_t col, std::int32_t row) = 0;
  virtual void HardeningStep() = 0;
  virtual void QueueSmash(std::int32_t col, std::int32_t row) = 0;
  virtual void SmashAnimation(std::int32_t col, std::int32_t row) = 0;
  virtual void SmashStep() = 0;

  // Baddies.
  virtual void SpawnBaddie(std::int32_t col, std::int32_t row, BaddieKind kind) = 0;
  virtual void KillBaddie(std::int32_t col, std::int32_t row) = 0;
  virtual void MoveBaddie(Baddie baddie) = 0;
  virtual void BadStep() = 0;
  virtual void VeryBadStep() = 0;
  virtual bool CanStepOnto(const Baddie& baddie, std::int32_t col, std::int32_t row) const = 0;
  virtual bool CanCrawlOnto(std::int32_t col, std::int32_t row, std::int32_t trailId) const = 0;

  // The scanner.
  virtual void ScanStep() = 0;
  virtual void HatchStep() = 0;
  virtual void QueueHatch(std::int32_t col, std::int32_t row, std::int32_t tick) = 0;

 protected:
  ~GameSteps() = default;
};

}  // namespace stonewick
