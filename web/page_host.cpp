// The page host: the board's pixels, the event loop and its yield points, the boxes, the
// timers, the clock and the recording.
#include "web/page_host.h"

#include <emscripten.h>

#include <algorithm>
#include <optional>

#include "game/game.h"
#include "lib/instructions_colour.h"
#include "lib/instructions_text.h"
#include "lib/pause.h"
#include "lib/play_clock.h"
#include "ui/tile_pictures.h"
#include "web/browser.h"

namespace stonewick::page {
namespace {

// The kinds of input the page queues, as the first number page_take_input gives.
enum class InputKind { Key = 1, Click = 2, Menu = 3, InstructionsClosed = 4, CloseBox = 5 };

std::optional<Event> TakeInput() {
  std::array<std::int32_t, 3> fields{};
  if (page_take_input(fields.data()) == 0) {
    return std::nullopt;
  }
  switch (static_cast<InputKind>(fields[0])) {
    case InputKind::Key:
      return KeyPress{static_cast<std::uint16_t>(fields[1])};
    case InputKind::Click:
      return BoardClick{fields[1], fields[2]};
    case InputKind::Menu:
      if (fields[1] >= 0 && fields[1] < kMenuCommandCount) {
        return MenuChoice{static_cast<MenuCommand>(fields[1])};
      }
      break;
    case InputKind::InstructionsClosed:
      return InstructionsClosed{};
    case InputKind::CloseBox:
      return CloseBoxUsed{};
  }
  return std::nullopt;
}

// The page's steady clock in milliseconds: the timers run on it.
double ClockMs() {
  return emscripten_get_now();
}

}  // namespace

PageHost::PageHost() {
  for (int code = 0; code < kCellCodeCount; ++code) {
    tiles_[code] = DecodeXpm(kTilePictures[code]);
  }
  std::copy(kInitialLabelCaptions.begin(), kInitialLabelCaptions.end(), readouts_.begin());
}

void PageHost::Run(Game& game) {
  game_ = &game;
  const Picture icon = DecodeXpm(kProgramIconPicture);
  page_set_icon(icon.pixels.data(), icon.width, icon.height);
  for (const MenuItem& item : kMenuItems) {
    page_add_command(static_cast<int>(item.command), item.caption,
                     item.command != MenuCommand::Cheat);
  }
  for (int i = 0; i < kReadoutCount; ++i) {
    page_show_readout(i, readouts_[i].c_str());
  }
  page_set_instructions_text(InstructionsText().c_str());
  if (page_wants_recording() != 0) {
    recorder_ = std::make_unique<PageRecorder>(game.nesting);
  }
  // As on the desktop: creating the window gives the first Power, showing it lays out level 1.
  game.GiveFirstPower();
  game.LayOutFirstLevel();
  while (!closed_) {
    WaitForInput();
    RunWaitingEvents();
  }
}

void PageHost::Deliver(const Event& event) {
  if (closed_) {
    return;
  }
  if (recorder_ == nullptr) {
    game_->Apply(event);
  } else if (EndsTheGame(event) && game_->nesting.Depth() == 0) {
    // The recording ends with the state the game is left in.
    recorder_->EndWithState(StateText());
    game_->Apply(event);
  } else {
    recorder_->BeginEvent(event);
    game_->Apply(event);
    recorder_->EndEvent([this] { return StateText(); });
  }
  // The rules keep nothing of the close box: the window closes once it has been delivered.
  if (std::holds_alternative<CloseBoxUsed>(event)) {
    CloseMainWindow();
  }
}

WindowItems PageHost::ShownItems() const {
  return {timers_.Running(), timers_.BadStepInterval(), pauseCaption_, readouts_};
}

std::string PageHost::StateText() const {
  return DumpText(*game_, ShownItems());
}

void PageHost::RunWaitingEvents() {
  while (!closed_) {
    if (const std::optional<Event> input = TakeInput()) {
      Deliver(*input);
    } else if (const std::optional<GameTimer> timer = timers_.TakeDue(ClockMs())) {
      Deliver(TimerTick{*timer});
      timers_.TickEnded(*timer);
    } else {
      return;
    }
  }
}

void PageHost::WaitForInput() {
  Present();
  page_wait(timers_.MsUntilDue(ClockMs()));
}

void PageHost::DrawCell(int col, int row, std::int32_t code) {
  if (!Board::Contains(col, row) || code < 0 || code >= kCellCodeCount) {
    return;
  }
  const Picture& tile = tiles_[static_cast<std::size_t>(code)];
  if (tile.width != kCellPixels || tile.height != kCellPixels) {
    return;
  }
  for (int y = 0; y < kCellPixels; ++y) {
    std::copy_n(tile.pixels.begin() + y * kCellPixels, kCellPixels,
                pixels_.begin() + (row * kCellPixels + y) * kBoardPixels + col * kCellPixels);
  }
  dirtyLeft_ = std::min(dirtyLeft_, col);
  dirtyTop_ = std::min(dirtyTop_, row);
  dirtyRight_ = std::max(dirtyRight_, col);
  dirtyBottom_ = std::max(dirtyBottom_, row);
}

void PageHost::Present() {
  if (dirtyRight_ < 0 || closed_) {
    return;
  }
  page_present(pixels_.data(), dirtyLeft_ * kCellPixels, dirtyTop_ * kCellPixels,
               (dirtyRight_ - dirtyLeft_ + 1) * kCellPixels,
               (dirtyBottom_ - dirtyTop_ + 1) * kCellPixels);
  dirtyLeft_ = kBoardSize;
  dirtyTop_ = kBoardSize;
  dirtyRight_ = -1;
  dirtyBottom_ = -1;
}

void PageHost::ShowReadout(Readout readout, const std::string& text) {
  readouts_[static_cast<std::size_t>(readout)] = text;
  page_show_readout(static_cast<int>(readout), text.c_str());
}

// Each of these three is a yield point: other events may run inside it.
void PageHost::RunPendingEvents() {
  Present();
  page_yield();
  // Outside any event (while the window starts) nothing runs inside: no replay could put it
  // there. The input waits for the event loop.
  if (game_->nesting.Depth() > 0) {
    RunWaitingEvents();
  }
}

void PageHost::ShowMessage(const std::string& message) {
  RunBox(false, message);
}

char PageHost::AskYesNoCancel(const std::string& message) {
  const char answer = RunBox(true, message);
  if (recorder_ != nullptr) {
    recorder_->Answer(answer);
  }
  return answer;
}

char PageHost::RunBox(bool question, const std::string& message) {
  if (closed_) {
    return ' ';
  }
  // The box is modal: while it is open only the timers reach the rules.
  const int box = page_open_box(question ? 1 : 0, message.c_str());
  int answer = 0;
  while (!closed_ && (answer = page_box_answer(box)) == 0) {
    WaitForInput();
    RunWaitingEvents();
  }
  return answer == 0 ? ' ' : static_cast<char>(answer);
}

void PageHost::SetTimersRunning(bool running) {
  timers_.SetRunning(running, ClockMs());
  // Play the player paused would resume by the Pause command: the page must not send it.
  page_set_play_running(running && !game_->pausedByPlayer ? 1 : 0,
                        static_cast<int>(MenuCommand::Pause));
}

void PageHost::SetBadStepInterval(std::int32_t ms) {
  timers_.SetBadStepInterval(ms, ClockMs());
}

double PageHost::Now() {
  if (recorder_ != nullptr) {
    // Days since the recording started, exactly as the replay counts them.
    return static_cast<double>(recorder_->ClockMs()) / static_cast<double>(kMsPerDay);
  }
  return page_now_days();
}

std::uint32_t PageHost::ClockReading() {
  const auto reading = static_cast<std::uint32_t>(static_cast<std::uint64_t>(ClockMs() * 1e6));
  if (recorder_ != nullptr) {
    recorder_->Reading(reading);
  }
  return reading;
}

// A real pause that lets the browser show the frame but runs no event.
void PageHost::PauseMs(std::int32_t ms) {
  Present();
  emscripten_sleep(static_cast<unsigned>(CappedPauseMs(ms)));
}

void PageHost::ShowPauseCommand(const std::string& caption) {
  pauseCaption_ = caption;
  page_set_caption(static_cast<int>(MenuCommand::Pause), caption.c_str());
}

void PageHost::EnableSkipCommand(bool enabled) {
  page_enable_command(static_cast<int>(MenuCommand::Skip), enabled ? 1 : 0);
}

void PageHost::CloseMainWindow() {
  if (closed_) {
    return;
  }
  Present();
  closed_ = true;
  timers_.SetRunning(false, ClockMs());
  page_close();
  if (recorder_ != nullptr) {
    recorder_->WindowClosed();
  }
}

void PageHost::ShowInstructions(int colour) {
  if (colour >= 1 && colour <= static_cast<int>(kInstructionsColours.size())) {
    page_show_instructions(kInstructionsColours[static_cast<std::size_t>(colour - 1)]);
  }
}

void PageHost::ShowAbout() {
  page_show_about();
}

}  // namespace stonewick::page
