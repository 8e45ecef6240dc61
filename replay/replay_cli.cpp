// The command line of stonewick-replay: --check, --record NEW, --help, --version, "--", and
// one script (a file, or standard input when none is named or it is "-").
#include <fstream>
#include <istream>
#include <ostream>
#include <string_view>

#include "session/core/recording_file.h"
#include "session/scripts/run_script.h"

#ifndef STONEWICK_VERSION
#error "STONEWICK_VERSION comes from the project version (replay/CMakeLists.txt)"
#endif

namespace stonewick {
namespace {

constexpr std::string_view kUsage =
    "Usage: stonewick-replay [--check] [--record NEW] [SCRIPT]\n"
    "Plays a Stonewick script through the game's rules with no window, and prints what\n"
    "the game's boxes said and, at each dump, the whole state of the game.\n"
    "The script is read from SCRIPT, or from standard input when SCRIPT is - or missing.\n"
    "\n"
    "  --check     also compare the state after each block with the checkpoint (\"#~ \")\n"
    "              after it, and each dump with the \"#= \" lines after it, as a recording\n"
    "              made by stonewick --record holds them; stop at the first difference\n"
    "  --record NEW  play the script through the path live play takes and write NEW as\n"
    "              the window would have recorded the same events\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "  --          end of options: the next argument is the script\n"
    "\n"
    "Exit status: 0 when the script ran to its end or to the window closing; 1 under\n"
    "--check when the state differs, or when there was nothing to compare; 2 for a bad\n"
    "script or bad usage, with one line on standard error.\n"
    "The commands and the output are described in the manual page stonewick-replay(6).\n";

constexpr std::string_view kTryHelp = " (try 'stonewick-replay --help')\n";

}  // namespace

int ReplayMain(std::span<char* const> args, std::istream& in, std::ostream& out,
               std::ostream& err) {
  bool check = false;
  const char* recordPath = nullptr;
  bool optionsEnded = false;
  const char* scriptPath = nullptr;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
      if (arg == "--") {
        optionsEnded = true;
      } else if (arg == "--check") {
        check = true;
      } else if (arg == "--record") {
        if (i + 1 >= args.size()) {
          err << "stonewick-replay: option '--record' needs a file" << kTryHelp;
          return 2;
        }
        recordPath = args[++i];
      } else if (arg == "--help") {
        out << kUsage;
        out.flush();
        return 0;
      } else if (arg == "--version") {
        out << "stonewick-replay " << STONEWICK_VERSION << '\n';
        out.flush();
        return 0;
      } else {
        err << "stonewick-replay: unrecognized option '" << arg << "'" << kTryHelp;
        return 2;
      }
    } else if (scriptPath != nullptr) {
      err << "stonewick-replay: one script at most, not both '" << scriptPath << "' and '" << arg
          << "'" << kTryHelp;
      return 2;
    } else {
      scriptPath = args[i];
    }
  }
  std::ifstream file;
  std::istream* script = OpenScript(scriptPath == nullptr ? "-" : scriptPath, in, file, err);
  if (script == nullptr) {
    return 2;
  }
  ScriptRun run{.check = check};
  std::unique_ptr<RecordingFile> recording;
  if (recordPath != nullptr) {
    recording =
        RecordingFile::Open(recordPath, {.program = "stonewick-replay", .goesOn = "", .to = &err});
    if (recording == nullptr) {
      return 2;
    }
    run.record = recording.get();
    run.recordOpening = Recording::Heading(LocalDateText(), "stonewick-replay");
  }
  const int status = RunScript(*script, out, err, run);
  // A recording that could not be written whole is trouble, whatever the script did.
  return recording != nullptr && recording->Failed() ? 2 : status;
}

}  // namespace stonewick
