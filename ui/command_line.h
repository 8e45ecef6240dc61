// The game's command line: --help, --version, --record FILE, --play FILE, --hall URL and
// --daily, read before Qt
// starts so that the first two work with no display at all. Qt's own options pass through to
// Qt.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace stonewick {

class Translations;

struct CommandLine {
  enum class Request { Play, ShowHelp, ShowVersion, Mistake };
  Request request = Request::Play;
  // --record FILE or --record=FILE: where the game is to be recorded.
  std::optional<std::string> recordPath;
  // --play FILE or --play=FILE: the recording to watch.
  std::optional<std::string> playPath;
  // --hall URL or --hall=URL: the hall of verified games the game is offered to at its end.
  std::optional<std::string> hallUrl;
  // --daily (with --hall): the game is played on the hall's board of the day.
  bool daily = false;
  // The program name and Qt's own options with their values, in their order, then a null:
  // what the application object is given.
  std::vector<char*> qtArguments;
  // -platform among Qt's options: the user has chosen the platform.
  bool platformArgument = false;
  // For Mistake: what is wrong, in one line without the program's name; and the same as its
  // English pattern, whose %1 stands for the option or argument at fault.
  std::string mistake;
  const char* mistakePattern = "";
  std::string mistakeSubject;
};

CommandLine ReadCommandLine(int argc, char* argv[]);

// What a Mistake prints on standard error, in the language of `translations`: the program's
// name, what is wrong and where to look, on one line with its line end.
std::string MistakeLine(const CommandLine& line, const Translations& translations);

// The text --help prints (in English; the catalogues translate it), and the line --version
// prints.
std::string UsageText();
std::string VersionText();

}  // namespace stonewick
