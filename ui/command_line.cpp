// Reads the game's options off the command line and sets Qt's own options aside for Qt.
#include "ui/command_line.h"

#include <QtGlobal>
#include <array>
#include <string_view>
#include <utility>

#ifndef STONEWICK_VERSION
#error "STONEWICK_VERSION comes from the project version (ui/CMakeLists.txt)"
#endif

namespace stonewick {

namespace {

// Qt's options as QGuiApplication, QApplication and the X11 platform read them, without the
// leading dash; Qt takes them with one dash or two.
constexpr std::array<std::string_view, 15> kQtOptionsWithValue = {"platform",
                                                                  "platformpluginpath",
                                                                  "platformtheme",
                                                                  "plugin",
                                                                  "qwindowgeometry",
                                                                  "qwindowicon",
                                                                  "qwindowtitle",
                                                                  "session",
                                                                  "display",
                                                                  "geometry",
                                                                  "title",
                                                                  "icon",
                                                                  "name",
                                                                  "style",
                                                                  "stylesheet"};
constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "testability",
                                                      "nograb",  "dograb",      "qmljsdebugger"};

// "--record" or "--play" when `arg` is that option, alone or with "=FILE"; else empty.
std::string_view FileOption(std::string_view arg) {
  for (const std::string_view option : {"--record", "--play"}) {
    if (arg == option || (arg.starts_with(option) && arg.substr(option.size()).starts_with('='))) {
      return option;
    }
  }
  return {};
}

bool Contains(const auto& names, std::string_view name) {
  for (const std::string_view known : names) {
    if (known == name) {
      return true;
    }
  }
  return false;
}

}  // namespace

CommandLine ReadCommandLine(int argc, char* argv[]) {
  CommandLine line;
  if (argc > 0) {
    line.qtArguments.push_back(argv[0]);
  }
  const auto mistake = [&line](std::string what) {
    line.request = CommandLine::Request::Mistake;
    line.mistake = std::move(what);
    return line;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      line.request = CommandLine::Request::ShowHelp;
      return line;
    }
    if (arg == "--version") {
      line.request = CommandLine::Request::ShowVersion;
      return line;
    }
    if (const std::string_view option = FileOption(arg); !option.empty()) {
      std::string_view path;
      if (arg != option) {
        path = arg.substr(option.size() + 1);
      } else if (i + 1 < argc) {
        path = argv[++i];
      }
      if (path.empty()) {
        return mistake("option '" + std::string(option) + "' needs a FILE");
      }
      (option == "--record" ? line.recordPath : line.playPath) = std::string(path);
      continue;
    }
    if (arg.size() < 2 || arg.front() != '-') {
      return mistake("unexpected argument '" + std::string(arg) + "'");
    }
    // Qt's own options, with their values, go to Qt as they are.
    std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    const bool joinedValue = name.find('=') != std::string_view::npos;
    name = name.substr(0, name.find('='));
    if (Contains(kQtOptionsWithValue, name)) {
      line.qtArguments.push_back(argv[i]);
      if (!joinedValue) {
        if (i + 1 >= argc) {
          return mistake("option '" + std::string(arg) + "' needs a value");
        }
        line.qtArguments.push_back(argv[++i]);
      }
      line.platformArgument = line.platformArgument || name == "platform";
    } else if (Contains(kQtFlags, name)) {
      line.qtArguments.push_back(argv[i]);
    } else {
      return mistake("unrecognized option '" + std::string(arg) + "'");
    }
  }
  line.qtArguments.push_back(nullptr);
  return line;
}

std::string UsageText() {
  return QT_TRANSLATE_NOOP(
      "CommandLine",
      "Usage: stonewick [--play FILE] [--record FILE]\n"
      "An arcade puzzle game: wall in the roaming baddies with bricks before they catch\n"
      "you.\n"
      "\n"
      "  --record FILE  write a recording of the game to FILE as it is played;\n"
      "                 stonewick-replay --check FILE plays it again\n"
      "  --play FILE    watch a recording in the window: Space pauses, Right and Left\n"
      "                 step while paused, + and - change the speed, Page Down and\n"
      "                 Page Up jump 10 seconds, Home and End to the start and end, D\n"
      "                 to the first difference; T takes the controls and plays on,\n"
      "                 recorded into --record's FILE when one is given\n"
      "  -h, --help     show this help and exit\n"
      "  --version      show the version and exit\n"
      "\n"
      "Qt's own options, such as -platform NAME or -style NAME, are passed on to Qt.\n"
      "Exit status: 0 when the game was closed; 1 when no display could be opened;\n"
      "2 for bad usage, with one line on standard error. With --play, as cmp does: 0\n"
      "when the recording played back as recorded, 1 when it differed, 2 on trouble.\n"
      "The keys, the rules and the menu are described in the manual page stonewick(6).\n");
}

std::string VersionText() {
  return std::string("stonewick ") + STONEWICK_VERSION + "\n";
}

}  // namespace stonewick
