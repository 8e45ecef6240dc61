// The recording's file: opened without blocking on a pipe, each block written whole, cut back
// to its last whole block when a write fails.
#include "ui/recorder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

namespace stonewick {
namespace {

std::string LocalDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &local);
  return date;
}

}  // namespace

std::unique_ptr<Recorder> Recorder::Open(const std::string& path, const EventNesting& nesting) {
  // Not blocking, so that a named pipe with no reader fails at once instead of hanging.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    std::fprintf(stderr, "stonewick: cannot record to %s: %s; the game goes on without recording\n",
                 path.c_str(), std::strerror(errno));
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  // A pipe whose reader has gone must end the recording, not the game: its writes then fail
  // with EPIPE instead of raising the signal.
  std::signal(SIGPIPE, SIG_IGN);
  std::unique_ptr<Recorder> recorder(new Recorder(fd, path, nesting));
  if (!recorder->Start(LocalDate())) {
    return nullptr;
  }
  return recorder;
}

Recorder::Recorder(int fd, std::string path, const EventNesting& nesting)
    : GameRecorder(nesting, *this,
                   [start = std::chrono::steady_clock::now()] {
                     return std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - start)
                         .count();
                   }),
      fd_(fd),
      path_(std::move(path)) {}

Recorder::~Recorder() {
  Close();
}

bool Recorder::Write(const std::string& text) {
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
      Stopped(std::strerror(error));
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  written_ += static_cast<long long>(text.size());
  return true;
}

void Recorder::Stopped(const std::string& why) {
  if (!why.empty()) {
    std::fprintf(stderr, "stonewick: %s %s: %s; the game goes on without recording\n",
                 written_ == 0 ? "cannot record to" : "stopped recording to", path_.c_str(),
                 why.c_str());
  }
  Close();
}

void Recorder::Close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

}  // namespace stonewick
