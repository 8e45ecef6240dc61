// Scripts between the desktop's streams: a file or standard input read as it goes, and what
// a run prints written as it comes.
#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

#include "recording_format/stream_lines.h"
#include "session/scripts/run_script.h"

namespace stonewick {
namespace {

class StreamText final : public TextSink {
 public:
  explicit StreamText(std::ostream& out) : out_(out) {}
  void Print(std::string_view text) override {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  }

 private:
  std::ostream& out_;
};

}  // namespace

Replay::Replay(std::ostream& out) : Replay(std::make_unique<StreamText>(out), nullptr) {}

int RunScript(std::istream& script, std::ostream& out, std::ostream& err, const ScriptRun& run) {
  StreamLines lines(script);
  StreamText printed(out);
  std::string said;
  const int status = RunScript(lines, printed, said, run);
  out.flush();
  err << said;
  return status;
}

std::istream* OpenScript(const char* path, std::istream& in, std::ifstream& file, std::ostream& err,
                         std::string_view program) {
  if (std::string_view(path) == "-") {
    return &in;
  }
  // A directory opens as a file here, and then fails only as it is read.
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    err << program << ": '" << path << "' is a directory, not a script\n";
    return nullptr;
  }
  file.open(path, std::ios::binary);
  if (!file) {
    err << program << ": cannot open script '" << path << "'\n";
    return nullptr;
  }
  return &file;
}

}  // namespace stonewick
