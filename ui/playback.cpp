// Playing a recording in the window: the blocks run one after another through the game's own
// session, waits pass in real time at the chosen speed, boxes show while what ran inside them
// plays, and the state after each block is compared with the one the recording wrote.
#include "ui/playback.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>

#include "lib/pause.h"
#include "tools/check.h"
#include "ui/cursor_dialogs.h"
#include "ui/main_window.h"

namespace stonewick {
namespace {

constexpr std::array<double, Playback::kSpeedCount> kSpeeds = {0.25, 0.5, 1, 2, 4, 8, 16};
constexpr std::array<const char*, Playback::kSpeedCount> kSpeedNames = {"1/4x", "1/2x", "1x", "2x",
                                                                        "4x",   "8x",   "16x"};
// Page Down and Page Up jump this far in the recording's time.
constexpr std::int64_t kJumpMs = 10'000;
// A box stays open at least this long at 1x, however soon the recording closed it.
constexpr std::int64_t kBoxShownMs = 1'000;

// "mm:ss", or "h:mm:ss" for recordings of an hour or more.
QString TimeText(std::int64_t ms, bool hours) {
  const std::int64_t seconds = ms / 1000;
  const QChar zero(u'0');
  if (hours) {
    return QString("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
  }
  return QString("%1:%2").arg(seconds / 60, 2, 10, zero).arg(seconds % 60, 2, 10, zero);
}

}  // namespace

Playback::Playback(Timeline timeline, QString name, Game& game, MainWindow& window)
    : timeline_(std::move(timeline)), name_(std::move(name)), game_(game), window_(window) {
  // The player's keys steer the playback wherever the focus is.
  QCoreApplication::instance()->installEventFilter(this);
}

Playback::~Playback() {
  QCoreApplication::instance()->removeEventFilter(this);
}

void Playback::Run() {
  // The window's game starts exactly where a replay starts.
  JumpTo({});
  while (!windowClosed_) {
    if (jump_) {
      const PlayPosition to = *jump_;
      jump_.reset();
      JumpTo(to);
    } else if (rulesClosed_ || position_.block >= timeline_.Blocks().size()) {
      if (!toldTheEnd_) {
        toldTheEnd_ = true;
        ShowTitle();
        TellTheEnd();
      } else {
        WaitForThePlayer();
      }
    } else if (paused_ && !stepping_) {
      WaitForThePlayer();
    } else {
      RunNextBlock();
    }
  }
}

void Playback::RunNextBlock() {
  const TimedBlock& block = timeline_.Blocks()[position_.block];
  if (std::holds_alternative<WaitMs>(block.block.front().command) && clock_.nowMs > block.startMs) {
    session_.Wait(block.endMs - clock_.nowMs);  // the rest of a wait a jump landed in
  } else {
    session_.RunBlock(block.block);
  }
  ++position_.block;
  position_.clockMs = clock_.nowMs;
  if (!Over()) {
    Compare(block);
  }
  if (stepping_ && block.IsEvent()) {
    stepping_ = false;
    Anchor(clock_.nowMs);
  }
  ShowTitle();
}

void Playback::Compare(const TimedBlock& block) {
  if (differedAfterLine_ != 0 || (block.checkpoints.empty() && block.stateLines.empty())) {
    return;
  }
  const std::string state = window_.StateText();
  const bool dump = std::holds_alternative<DumpState>(block.block.front().command);
  RecordingCheck check;
  ScriptError difference;
  const RecordingCheck::Verdict verdict = check.CompareAfter(
      block.line, dump, block.stateLines, block.checkpoints, state, state, difference);
  comparedAny_ = comparedAny_ || check.ComparedAny();
  if (verdict != RecordingCheck::Verdict::Differs) {
    return;  // a line that is no checkpoint compares nothing
  }
  differedAfterLine_ = block.line;
  paused_ = true;
  ShowTitle();
  TellTheEnd();
}

void Playback::TellTheEnd() {
  std::string verdict;
  if (differedAfterLine_ != 0) {
    verdict = "The game played back differently from the recording after line " +
              std::to_string(differedAfterLine_) + ".";
  } else if (comparedAny_) {
    verdict = "The game played back exactly as recorded.";
  } else {
    verdict = "The game played back, but the recording holds no state to compare it with.";
  }
  // Also on standard output, for whoever plays recordings from a script.
  std::printf("%s\n", verdict.c_str());
  std::fflush(stdout);
  InfoDialog(verdict);
}

void Playback::JumpTo(PlayPosition position) {
  // The state at that time, reached through the rules alone with nothing drawn on the way,
  // then taken over whole and shown.
  std::ostream nowhere(nullptr);
  Replay replay(nowhere);
  timeline_.ReplayTo(position, replay);
  static_cast<PlayState&>(game_) = replay.game;
  clock_ = static_cast<const ScriptedClock&>(replay.host);
  window_.ShowState(replay.host.ShownItems(), replay.host.skipEnabled,
                    replay.game.instructionsColour);
  position_ = {position.block, clock_.nowMs};
  rulesClosed_ = replay.host.closed;
  stopped_ = false;
  toldTheEnd_ = false;
  Anchor(clock_.nowMs);
  ShowTitle();
}

void Playback::ShowMessage(const std::string& message) {
  HoldBox(*OpenInfoBox(message));
}

char Playback::Ask(const std::string& message) {
  HoldBox(*OpenQuestionBox(message));
  // As in a replay, the answer is taken as the box closes, after what ran inside it.
  return Over() ? ' ' : clock_.TakeAnswer();
}

void Playback::HoldBox(QMessageBox& box) {
  QElapsedTimer shown;
  shown.start();
  session_.YieldPointReached();
  while (!Hurrying() && !Over()) {
    const auto left =
        static_cast<std::int64_t>(static_cast<double>(kBoxShownMs) / Speed()) - shown.elapsed();
    if (left <= 0) {
      break;
    }
    if (paused_) {
      WaitForThePlayer();
    } else {
      SleepFor(left);
    }
  }
  CloseOpenedBox(box);
  // The time the box stood open is the box's own, not the recording's.
  Anchor(clock_.nowMs);
}

void Playback::PauseMs(std::int32_t ms) {
  if (!Hurrying()) {
    stonewick::PauseMs(static_cast<std::int32_t>(ms / Speed()));
  }
}

void Playback::WindowClosed() {
  windowClosed_ = true;
  if (sleeping_ != nullptr) {
    sleeping_->quit();
  }
}

void Playback::PassTime(std::int64_t ms) {
  waitingUntil_ = ms;
  while (!Hurrying() && !Over()) {
    const std::int64_t played = PlayedMs();
    if (played >= ms) {
      break;
    }
    ShowTitle();
    if (paused_) {
      WaitForThePlayer();
      continue;
    }
    // Awake again when the title's second changes, or when the wait is over.
    const std::int64_t until = std::min(ms, (played / 1000 + 1) * 1000);
    SleepFor(static_cast<std::int64_t>(std::ceil(static_cast<double>(until - played) / Speed())));
  }
  waitingUntil_.reset();
}

double Playback::Speed() const {
  return kSpeeds[static_cast<std::size_t>(speed_)];
}

std::int64_t Playback::PlayedMs() const {
  if (paused_) {
    return anchorMs_;
  }
  return anchorMs_ +
         static_cast<std::int64_t>(static_cast<double>(anchorClock_.elapsed()) * Speed());
}

void Playback::Anchor(std::int64_t ms) {
  anchorMs_ = ms;
  anchorClock_.restart();
}

void Playback::SleepFor(std::int64_t ms) {
  QEventLoop loop;
  sleeping_ = &loop;
  QTimer::singleShot(std::chrono::milliseconds(std::max<std::int64_t>(ms, 1)), Qt::PreciseTimer,
                     &loop, &QEventLoop::quit);
  loop.exec();
  sleeping_ = nullptr;
}

void Playback::WaitForThePlayer() {
  QEventLoop loop;
  sleeping_ = &loop;
  loop.exec();
  sleeping_ = nullptr;
}

std::int64_t Playback::ShownMs() const {
  if (!waitingUntil_) {
    return clock_.nowMs;
  }
  return std::clamp(PlayedMs(), clock_.nowMs, std::max(clock_.nowMs, *waitingUntil_));
}

void Playback::ShowTitle() {
  const bool hours = timeline_.EndMs() >= 3'600'000;
  QString title = QString("Stonewick - playing %1 - %2 of %3 - %4")
                      .arg(name_, TimeText(ShownMs(), hours), TimeText(timeline_.EndMs(), hours),
                           kSpeedNames[static_cast<std::size_t>(speed_)]);
  if (paused_) {
    title += " - paused";
  }
  if (title != shownTitle_) {
    shownTitle_ = title;
    window_.setWindowTitle(title);
  }
}

bool Playback::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return QObject::eventFilter(watched, event);
  }
  const auto* key = static_cast<const QKeyEvent*>(event);
  // Alt and Ctrl keys go on to the menu's accelerators (Alt+E still ends the program).
  if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) != 0) {
    return false;
  }
  switch (key->key()) {
    case Qt::Key_Space:
      if (paused_) {
        paused_ = false;
        anchorClock_.restart();
      } else {
        anchorMs_ = PlayedMs();
        paused_ = true;
      }
      break;
    case Qt::Key_Right:
      stepping_ = paused_;
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus:
      Anchor(PlayedMs());
      speed_ = std::clamp(speed_ + (key->key() == Qt::Key_Minus ? -1 : 1), 0, kSpeedCount - 1);
      break;
    case Qt::Key_PageDown:
      jump_ = timeline_.PositionAt(ShownMs() + kJumpMs);
      break;
    case Qt::Key_PageUp:
      jump_ = timeline_.PositionAt(ShownMs() - kJumpMs);
      break;
    case Qt::Key_Home:
      jump_ = PlayPosition{};
      break;
    case Qt::Key_End:
      jump_ = timeline_.LastEvent();
      break;
    default:
      return false;  // on to the window, which keeps it from the game
  }
  ShowTitle();
  if (sleeping_ != nullptr) {
    sleeping_->quit();
  }
  return true;
}

}  // namespace stonewick
