// The player steering a recording that plays: the keys' commands, jumps on the track, and
// Exit or the close box, which end the program.
#include <algorithm>

#include "session/watching/watching.h"

namespace stonewick {
namespace {

// Page Down and Page Up jump this far in the recording's time.
constexpr std::int64_t kJumpMs = 10'000;

}  // namespace

void Watching::Input(const Event& event) {
  if (const auto* key = std::get_if<KeyPress>(&event)) {
    if (const std::optional<WatchCommand> command = WatchCommandOfKey(key->key)) {
      Steer(*command);
    }
  } else if (EndsTheGame(event)) {
    session_.Close();
    screen_.EndIdle();
  }
}

bool Watching::TakesInput(const Event& event) const {
  return EndsTheGame(event) || (!tellingVerdict_ && std::holds_alternative<KeyPress>(event));
}

void Watching::JumpToTime(std::int64_t ms) {
  jump_ = timeline_.PositionAt(ms, Landing::Nearest);
  screen_.EndIdle();
}

void Watching::Steer(WatchCommand command) {
  switch (command) {
    case WatchCommand::PauseOrGoOn:
      clock_.PauseOrGoOn(RealMs());
      break;
    case WatchCommand::StepForward:
      stepping_ = clock_.Paused();
      break;
    case WatchCommand::StepBack:
      if (clock_.Paused()) {
        jump_ = timeline_.Before(LastEventBefore(position_.block).value_or(0));
      }
      break;
    case WatchCommand::Faster:
      clock_.Faster(RealMs());
      break;
    case WatchCommand::Slower:
      clock_.Slower(RealMs());
      break;
    case WatchCommand::JumpForward:
      // A block longer than the jump is passed whole, so that the jumps always move on.
      jump_ = timeline_.PositionAt(ShownMs() + kJumpMs, Landing::After);
      break;
    case WatchCommand::JumpBack:
      jump_ = timeline_.PositionAt(ShownMs() - kJumpMs, Landing::Before);
      break;
    case WatchCommand::ToStart:
      jump_ = PlayPosition{};
      break;
    case WatchCommand::ToEnd:
      jump_ = timeline_.LastEvent();
      break;
    case WatchCommand::ToDifference:
      if (const auto before = timeline_.BeforeDifference()) {
        jump_ = *before;
        clock_.PauseAt(PlayedMs());
      } else {
        // Said on the bar until the playback moves on.
        noDifferenceAsked_ = true;
      }
      break;
    case WatchCommand::TakeControls:
      takeOver_ = !world_.Closed();
      break;
    case WatchCommand::ShowKeys:
      // The recording plays on behind the box.
      screen_.ShowWatchKeys();
      return;
  }
  Show();
  screen_.EndIdle();
}

std::optional<std::size_t> Watching::LastEventBefore(std::size_t block) const {
  const std::vector<TimedBlock>& blocks = timeline_.Blocks();
  for (std::size_t i = std::min(block, blocks.size()); i-- > 0;) {
    if (blocks[i].event) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace stonewick
