// The game's command line: --help, --version, --record FILE and --play FILE, read before Qt
// starts so that the first two work with no display at all. Qt's own options pass through to
// Qt.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace stonewick {

struct CommandLine {
  enum class Request { Play, ShowHelp, ShowVersion, Mistake };
  Request request = Request::Play;
  // --record FILE or --record=FILE: where the game is to be recorded.
  std::optional<std::string> recordPath;
  // --play FILE or --play=FILE: the recording to watch.
  std::optional<std::string> playPath;
  // The program name and Qt's own options with their values, in their order, then a null:
  // what the application object is given.
  std::vector<char*> qtArguments;
  // -platform among Qt's options: the user has chosen the platform.
  bool platformArgument = false;
  // For Mistake: what is wrong, in one line without the program's name.
  std::string mistake;
};

CommandLine ReadCommandLine(int argc, char* argv[]);

// The text --help prints (in English; the catalogues translate it), and the line --version
// prints.
std::string UsageText();
std::string VersionText();

}  // namespace stonewick
