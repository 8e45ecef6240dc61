// The recording: lines of a replay script, gathered per block and written whole as soon as the
// block's outermost event has ended, so that the file always ends with a whole event.
#include "ui/recorder.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include "lib/play_clock.h"

namespace stonewick {
namespace {

// The longest wait one line may hold: a day.
constexpr std::int64_t kLongestWaitMs = kMsPerDay;

std::string ScriptLine(const WindowEvent& event) {
  switch (event.kind) {
    case WindowEvent::Kind::Key:
      return "key " + std::to_string(event.key);
    case WindowEvent::Kind::Click:
      return "click " + std::to_string(event.col) + ' ' + std::to_string(event.row);
    case WindowEvent::Kind::Menu:
      return "menu " + std::string(MenuWord(event.command));
    case WindowEvent::Kind::Timer:
      switch (event.timer) {
        case GameTimer::Main:
          return "tick";
        case GameTimer::Slow:
          return "slow";
        case GameTimer::BadStep:
          return "bad";
      }
      break;
    case WindowEvent::Kind::CloseInstructions:
      return "close instructions";
    case WindowEvent::Kind::CloseBox:
      // The close box ends the game just as Exit does.
      return "menu exit";
  }
  return {};
}

std::string Heading() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &local);
  return std::string("# Recorded by stonewick on ") + date + "\nmanual\n";
}

void AppendWait(std::string& lines, const std::string& nesting, std::int64_t ms) {
  while (ms > 0) {
    const std::int64_t step = std::min(ms, kLongestWaitMs);
    lines += nesting + "wait " + std::to_string(step) + '\n';
    ms -= step;
  }
}

}  // namespace

std::unique_ptr<Recorder> Recorder::Open(const std::string& path) {
  // A pipe whose reader has gone must end the recording, not the game.
  std::signal(SIGPIPE, SIG_IGN);
  // Not blocking, so that a named pipe with no reader fails at once instead of hanging.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    std::fprintf(stderr, "stonewick: cannot record to %s: %s; the game goes on without recording\n",
                 path.c_str(), std::strerror(errno));
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::unique_ptr<Recorder> recorder(new Recorder(fd, path));
  recorder->Write(Heading());
  if (!recorder->Writing()) {
    return nullptr;
  }
  return recorder;
}

Recorder::Recorder(int fd, std::string path)
    : fd_(fd), path_(std::move(path)), start_(std::chrono::steady_clock::now()) {}

Recorder::~Recorder() {
  Close();
}

void Recorder::BeginEvent(const WindowEvent& event) {
  const std::int64_t now = RealMs();
  if (Taking() && Depth() > 0 && yieldPoints_.back() == 0) {
    // Events get in only where the rules let them; one that got in elsewhere has no place.
    Stop("an event ran outside the places a replay can put it");
  }
  if (Taking()) {
    if (Depth() == 0) {
      lead_.clear();
      block_.clear();
    }
    const std::string nesting = Nesting();
    AppendWait(Depth() == 0 ? lead_ : block_, nesting, now - clockMs_);
    block_ += nesting + ScriptLine(event) + '\n';
  }
  clockMs_ = now;
  yieldPoints_.push_back(0);
}

void Recorder::EndEvent() {
  if (yieldPoints_.empty()) {
    return;
  }
  yieldPoints_.pop_back();
  if (yieldPoints_.empty() && fd_ >= 0) {
    Write(lead_ + block_);
    lead_.clear();
    block_.clear();
    if (windowClosed_) {
      Close();
    }
  }
}

void Recorder::EndWithState(const std::string& dump) {
  if (!Taking() || Depth() > 0) {
    return;
  }
  const std::int64_t now = RealMs();
  std::string lines;
  AppendWait(lines, "", now - clockMs_);
  clockMs_ = now;
  lines += "dump\n";
  std::size_t at = 0;
  while (at < dump.size()) {
    const std::size_t end = std::min(dump.find('\n', at), dump.size());
    lines += "#= " + dump.substr(at, end - at) + '\n';
    at = end + 1;
  }
  lines += "menu exit\n";
  Write(lines);
  Close();
}

void Recorder::YieldPoint() {
  if (!yieldPoints_.empty()) {
    ++yieldPoints_.back();
  }
}

void Recorder::Answer(char answer) {
  if (Taking() && !yieldPoints_.empty()) {
    lead_ += "answer ";
    lead_ += AnswerWord(answer);
    lead_ += '\n';
  }
}

void Recorder::Reading(std::uint32_t reading) {
  if (Taking() && !yieldPoints_.empty()) {
    lead_ += "reading " + std::to_string(reading) + '\n';
  }
}

void Recorder::WindowClosed() {
  windowClosed_ = true;
  if (yieldPoints_.empty()) {
    Close();
  }
}

std::int64_t Recorder::RealMs() const {
  const auto elapsed = std::chrono::steady_clock::now() - start_;
  return std::max(clockMs_,
                  static_cast<std::int64_t>(
                      std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
}

std::string Recorder::Nesting() const {
  if (yieldPoints_.empty()) {
    return {};
  }
  return std::string(yieldPoints_.size(), '>') + std::to_string(yieldPoints_.back()) + ' ';
}

void Recorder::Write(const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t wrote = ::write(fd_, text.data() + done, text.size() - done);
    if (wrote < 0 && errno == EINTR) {
      continue;
    }
    if (wrote <= 0) {
      const int error = wrote < 0 ? errno : EIO;
      // Cut off the half-written block, so that the file ends with a whole event.
      if (::ftruncate(fd_, written_) != 0) {
        // Not a plain file (a pipe, a device): there is nothing to cut.
      }
      Stop(std::strerror(error));
      return;
    }
    done += static_cast<std::size_t>(wrote);
  }
  written_ += static_cast<long long>(text.size());
}

void Recorder::Stop(const std::string& why) {
  std::fprintf(stderr, "stonewick: %s %s: %s; the game goes on without recording\n",
               written_ == 0 ? "cannot record to" : "stopped recording to", path_.c_str(),
               why.c_str());
  Close();
}

void Recorder::Close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  lead_.clear();
  block_.clear();
}

}  // namespace stonewick
