// The page host: the board's pixels, the event loop and its yield points, the boxes, the
// clock, the recording, and the recordings the player opens to watch.
#include "web/page_host.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "lib/instructions_colour.h"
#include "lib/instructions_text.h"
#include "session/core/english_words.h"
#include "session/core/watch_status.h"
#include "session/watching/longer_timeline.h"
#include "session/watching/open_recording.h"
#include "session/watching/watching.h"
#include "ui/tile_pictures.h"
#include "web/browser.h"

namespace stonewick::page {
namespace {

// The kinds of input the page queues, as the first number page_take_input gives.
enum class InputKind {
  Key = 1,
  Click = 2,
  Menu = 3,
  InstructionsClosed = 4,
  CloseBox = 5,
  Recording = 6,          // a recording to watch is ready: page_take_recording hands it over; 1 for
                          // a live game, which goes on arriving
  Jump = 7,               // a click on the playback bar's track: milliseconds into the recording
  MoreRecording = 8,      // more of the live game watched: page_take_recording hands it over
  RecordingComplete = 9,  // the live game watched has ended
  Hidden = 10,            // the page is hidden
};

// A verdict box's answer that asks for the first difference.
constexpr int kToDifference = 'D';

// Text for the page script's JSON.
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char ch : text) {
    if (ch == '"' || ch == '\\') {
      quoted += '\\';
      quoted += ch;
    } else if (ch == '\n') {
      quoted += "\\n";
    } else if (ch == '\t') {
      quoted += "\\t";
    } else if (static_cast<unsigned char>(ch) < 0x20) {
      quoted += ' ';
    } else {
      quoted += ch;
    }
  }
  return quoted + '"';
}

}  // namespace

PageHost::PageHost() {
  for (int code = 0; code < kCellCodeCount; ++code) {
    tiles_[code] = DecodeXpm(kTilePictures[code], PixelOrder::Abgr);
  }
}

void PageHost::Run() {
  const XpmPicture icon = DecodeXpm(kProgramIconPicture, PixelOrder::Abgr);
  page_set_icon(icon.pixels.data(), icon.width, icon.height);
  for (const MenuItem& item : kMenuItems) {
    page_add_command(static_cast<int>(item.command), item.caption,
                     item.command != MenuCommand::Cheat);
  }
  for (int i = 0; i < kReadoutCount; ++i) {
    ShowReadout(static_cast<Readout>(i), kOpeningReadouts[static_cast<std::size_t>(i)]);
  }
  page_set_instructions_text(InstructionsText().c_str());
  recording_ = page_wants_recording() != 0;
  // A recording named in the address is fetched by the page: then this recording is the
  // one it goes on into, should the player take the controls.
  if (recording_ && page_will_watch() == 0) {
    std::array<char, 32> date{};
    page_local_date(date.data(), static_cast<int>(date.size()));
    session_.Record(*this, date.data());
  }
  session_.Start();
  while (!closed_) {
    if (session_.HasRecordingToWatch()) {
      session_.RunWatching();
      watched_ = nullptr;
      page_set_watching(0);
    } else {
      WaitForInput(MsUntilWakeUp());
      session_.WakeUp();
    }
  }
}

std::string PageHost::TakeOpenedText(std::string& name) {
  const int length = page_recording_length();
  std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
  std::array<char, 256> named{};
  page_take_recording(text.data(), length, named.data(), static_cast<int>(named.size()));
  name = named.data();
  return text;
}

void PageHost::ReadMoreOfLiveGame() {
  std::string name;
  const std::string more = TakeOpenedText(name);
  std::string refused;
  if (watched_ != nullptr && watchedLive_) {
    watched_->Append(more, refused, "stonewick: " + name);
  }
  if (!refused.empty()) {
    page_refuse_recording(refused.c_str());
  }
}

void PageHost::CompleteLiveGame() {
  if (watched_ != nullptr && watchedLive_) {
    watchedLive_ = false;
    watched_->Complete();
  }
}

void PageHost::OpenRecording(bool live) {
  std::string name;
  const std::string text = TakeOpenedText(name);
  WatchOptions options;
  options.name = name.data();
  if (recording_) {
    // Should the player take the controls, the recording goes on from the watched one.
    std::array<char, 32> date{};
    page_local_date(date.data(), static_cast<int>(date.size()));
    options.continueInto = this;
    options.date = date.data();
  }
  options.live = live;
  // One recording plays at a time: the one that plays ends, and this one follows it. A bad
  // one is refused, and what plays goes on.
  const RecordingOpened opened = stonewick::OpenRecording(session_, text, options);
  if (!opened.watching) {
    page_refuse_recording(opened.refusal.c_str());
    return;
  }
  watched_ = opened.playback;
  watchedLive_ = live;
  page_set_watching(1);
}

void PageHost::TakeInput() {
  std::array<std::int32_t, 3> fields{};
  while (!closed_ && page_take_input(fields.data()) != 0) {
    switch (static_cast<InputKind>(fields[0])) {
      case InputKind::Key:
        session_.Deliver(KeyPress{static_cast<std::uint16_t>(fields[1])});
        break;
      case InputKind::Click:
        session_.Deliver(BoardClick{fields[1], fields[2]});
        break;
      case InputKind::Menu:
        if (fields[1] >= 0 && fields[1] < kMenuCommandCount) {
          session_.Deliver(MenuChoice{static_cast<MenuCommand>(fields[1])});
        }
        break;
      case InputKind::InstructionsClosed:
        session_.Deliver(InstructionsClosed{});
        break;
      case InputKind::CloseBox:
        session_.Deliver(CloseBoxUsed{});
        break;
      case InputKind::Recording:
        OpenRecording(fields[1] == 1);
        break;
      case InputKind::MoreRecording:
        ReadMoreOfLiveGame();
        break;
      case InputKind::RecordingComplete:
        CompleteLiveGame();
        break;
      case InputKind::Jump:
        session_.JumpInRecording(fields[1]);
        break;
      case InputKind::Hidden:
        session_.Hidden();
        break;
    }
  }
  // Whether a hidden page must pause play, told only when it changes.
  const bool playRunning =
      session_.game().running && !session_.game().pausedByPlayer && !session_.IsWatching();
  if (playRunning != playRunning_) {
    playRunning_ = playRunning;
    page_set_play_running(playRunning ? 1 : 0, static_cast<int>(MenuCommand::Pause));
  }
}

std::int64_t PageHost::MsUntilWakeUp() {
  if (!wakeAtMs_) {
    return -1;
  }
  return std::max<std::int64_t>(0, *wakeAtMs_ - SteadyMs());
}

void PageHost::WaitForInput(std::int64_t ms) {
  Present();
  page_wait(static_cast<int>(std::min<std::int64_t>(ms, 1 << 30)));
  TakeInput();
}

// ---- Showing the game.

void PageHost::DrawCell(int col, int row, std::int32_t code) {
  if (!Board::Contains(col, row) || code < 0 || code >= kCellCodeCount) {
    return;
  }
  const XpmPicture& tile = tiles_[static_cast<std::size_t>(code)];
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

void PageHost::ShowReadout(Readout readout, const ReadoutValue& value) {
  page_show_readout(static_cast<int>(readout), ReadoutPattern(value.caption),
                    ReadoutNumber(value).c_str());
}

void PageHost::ShowPauseCommand(PauseOffer offer) {
  page_set_caption(static_cast<int>(MenuCommand::Pause), CaptionOf(offer));
}

void PageHost::EnableCommand(MenuCommand command, bool enabled) {
  page_enable_command(static_cast<int>(command), enabled ? 1 : 0);
}

void PageHost::ShowInstructions(int colour) {
  if (colour >= 1 && colour <= static_cast<int>(kInstructionsColours.size())) {
    page_show_instructions(kInstructionsColours[static_cast<std::size_t>(colour - 1)]);
  } else {
    page_hide_instructions();
  }
}

void PageHost::ShowAbout(bool shown) {
  if (shown) {
    page_show_about();
  } else {
    page_hide_about();
  }
}

void PageHost::CloseMainWindow() {
  if (closed_) {
    return;
  }
  Present();
  closed_ = true;
  page_close();
}

// ---- Boxes.

char PageHost::RunModalBox(GameBox shown) {
  if (closed_) {
    return ' ';
  }
  // The box is modal: input given while it is open still goes to the session, which keeps
  // from the rules what was meant for the window the box blocks.
  const int box = page_open_box(IsQuestion(shown) ? 1 : 0, BoxText(shown), 1);
  int answer = 0;
  while (!closed_ && (answer = page_box_answer(box)) == 0) {
    WaitForInput(MsUntilWakeUp());
    session_.WakeUp();
  }
  return answer == 0 ? ' ' : static_cast<char>(answer);
}

void PageHost::OpenScriptedBox(GameBox box) {
  scriptedBoxes_.push_back(page_open_box(IsQuestion(box) ? 1 : 0, BoxText(box), 0));
}

void PageHost::CloseScriptedBox(bool, char) {
  if (!scriptedBoxes_.empty()) {
    page_close_box(scriptedBoxes_.back());
    scriptedBoxes_.pop_back();
  }
}

// ---- Time.

double PageHost::LocalDays() {
  return page_now_days();
}

std::int64_t PageHost::SteadyMs() {
  return static_cast<std::int64_t>(std::floor(emscripten_get_now()));
}

std::uint32_t PageHost::ClockReading() {
  // On the hall's board of the day every reading is the day's seed, recorded as any reading.
  if (const double seed = page_daily_seed(); seed >= 0) {
    return static_cast<std::uint32_t>(seed);
  }
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now() * 1e6));
}

// A real pause that lets the browser show the frame but runs no event.
void PageHost::Sleep(std::int32_t ms) {
  Present();
  emscripten_sleep(static_cast<unsigned>(std::max(ms, 0)));
}

// ---- The event loop.

void PageHost::LetEventsIn() {
  Present();
  page_yield();
  TakeInput();
  session_.WakeUp();
}

void PageHost::WakeAfter(std::int64_t ms) {
  if (ms < 0) {
    wakeAtMs_.reset();
  } else {
    wakeAtMs_ = SteadyMs() + ms;
  }
}

void PageHost::Idle(std::int64_t ms) {
  WaitForInput(ms);
}

// ---- Watching a recording.

void PageHost::ShowWatching(const WatchStatus& status) {
  std::string marks;
  if (status.marks != nullptr) {
    for (const WatchMark& mark : *status.marks) {
      marks += (marks.empty() ? "" : ",") + std::string("[") +
               std::to_string(static_cast<int>(mark.kind)) + "," + std::to_string(mark.ms) + "]";
    }
  }
  const std::string json =
      "{\"watching\":" + std::string(status.watching ? "true" : "false") +
      ",\"name\":" + Quoted(status.name) + ",\"position\":" + Quoted(PositionText(status)) +
      ",\"positionMs\":" + std::to_string(status.positionMs) +
      ",\"lengthMs\":" + std::to_string(status.lengthMs) + ",\"speed\":" + Quoted(status.speed) +
      ",\"paused\":" + (status.paused ? "true" : "false") +
      ",\"finished\":" + (status.finished ? "true" : "false") +
      ",\"live\":" + (status.live ? "true" : "false") +
      ",\"progress\":{\"kind\":" + std::to_string(static_cast<int>(status.progress.kind)) +
      ",\"count\":" + std::to_string(status.progress.count) + "}" +
      ",\"differs\":" + (status.differs ? "true" : "false") +
      ",\"keys\":" + Quoted(kWatchKeysLine) + ",\"help\":" + Quoted(kWatchKeysHelp) +
      ",\"marks\":[" + marks + "]}";
  page_show_watching(json.c_str());
  if (!status.watching) {
    page_set_watching(0);
  }
}

namespace {

// The verdict as JSON, for the page to word: kinds by their number in WatchVerdict::Kind and
// StateDifference::Kind; a missing dump line is null.
std::string VerdictJson(const WatchVerdict& verdict) {
  const auto line = [](const std::optional<std::string>& text) {
    return text ? Quoted(*text) : std::string("null");
  };
  std::string what = "null";
  if (const std::optional<StateDifference>& difference = verdict.difference.difference) {
    what = "{\"kind\":" + std::to_string(static_cast<int>(difference->kind)) +
           ",\"blockLine\":" + std::to_string(difference->blockLine) +
           ",\"dumpLine\":" + std::to_string(difference->dumpLine) +
           ",\"expected\":" + line(difference->expected) + ",\"seen\":" + line(difference->seen) +
           "}";
  }
  return "{\"kind\":" + std::to_string(static_cast<int>(verdict.kind)) +
         ",\"checkpoints\":" + std::to_string(verdict.checkpoints) +
         ",\"states\":" + std::to_string(verdict.states) +
         ",\"afterLine\":" + std::to_string(verdict.afterLine) +
         ",\"line\":" + std::to_string(verdict.difference.line) +
         ",\"message\":" + Quoted(verdict.difference.message) + ",\"what\":" + what + "}";
}

}  // namespace

bool PageHost::TellVerdict(const WatchVerdict& verdict, bool differs) {
  const int box = page_open_verdict(VerdictJson(verdict).c_str(), differs ? 1 : 0);
  int answer = 0;
  while (!closed_ && (answer = page_box_answer(box)) == 0) {
    WaitForInput(-1);
  }
  return answer == kToDifference;
}

void PageHost::ShowWatchKeys() {
  page_show_watch_keys();
}

// ---- The recording.

bool PageHost::Write(const std::string& text) {
  page_record(text.c_str());
  return true;
}

void PageHost::Stopped(const std::string&) {
  page_recording_ended();
}

void PageHost::GaveWay() {
  // What was recorded of the game until now is offered as it stands.
  page_recording_restart();
}

}  // namespace stonewick::page
