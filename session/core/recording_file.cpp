// The recording's file: opened without blocking on a pipe, each block written whole, cut back
// to its last whole block when a write fails.
#include "session/core/recording_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

namespace stonewick {

std::unique_ptr<RecordingFile> RecordingFile::Open(const std::string& path,
                                                   RecordingTeller teller) {
  std::unique_ptr<RecordingFile> file(new RecordingFile(path, teller));
  return file->OpenNow() ? std::move(file) : nullptr;
}

std::unique_ptr<RecordingFile> RecordingFile::OpenWhenWritten(const std::string& path,
                                                              RecordingTeller teller) {
  return std::unique_ptr<RecordingFile>(new RecordingFile(path, teller));
}

void RecordingFile::Tell(std::string_view what, const std::string& why) {
  std::string line =
      std::string(teller_.program) + ": " + std::string(what) + " " + path_ + ": " + why;
  if (!teller_.goesOn.empty()) {
    line += "; " + std::string(teller_.goesOn);
  }
  line += "\n";
  if (teller_.to != nullptr) {
    *teller_.to << line << std::flush;
  } else {
    std::fputs(line.c_str(), stderr);
  }
}

bool RecordingFile::OpenNow() {
  opened_ = true;
  // Not blocking, so that a named pipe with no reader fails at once instead of hanging.
  fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd_ < 0) {
    failed_ = true;
    Tell("cannot record to", std::strerror(errno));
    return false;
  }
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  // A pipe whose reader has gone must end the recording, not the game: its writes then fail
  // with EPIPE instead of raising the signal.
  std::signal(SIGPIPE, SIG_IGN);
  return true;
}

RecordingFile::~RecordingFile() {
  Close();
}

bool RecordingFile::Write(const std::string& text) {
  if (!opened_ && !OpenNow()) {
    return false;
  }
  if (fd_ < 0) {
    return false;
  }
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

void RecordingFile::Stopped(const std::string& why) {
  if (!why.empty() && fd_ >= 0) {
    failed_ = true;
    Tell(written_ == 0 ? "cannot record to" : "stopped recording to", why);
  }
  Close();
}

void RecordingFile::Close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

std::string LocalDateText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &local);
  return date;
}

}  // namespace stonewick
