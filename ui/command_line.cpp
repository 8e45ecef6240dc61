// Reads the game's options off the command line and sets Qt's own options aside for Qt.
#include "ui/command_line.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <string_view>

#include "ui/translations.h"

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
// What can be wrong, %1 the option or argument at fault.
constexpr const char* kUnrecognizedOption =
    QT_TRANSLATE_NOOP("CommandLine", "unrecognized option '%1'");
constexpr const char* kFileMissing = QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a FILE");
constexpr const char* kValueMissing = QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a value");
constexpr const char* kUrlMissing = QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a URL");
constexpr const char* kNeedsHall = QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs --hall URL");
constexpr const char* kUnexpectedArgument =
    QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'");
constexpr const char* kTryHelp = QT_TRANSLATE_NOOP("CommandLine", "(try 'stonewick --help')");

constexpr std::array<std::string_view, 6> kQtFlags = {"reverse", "widgetcount", "testability",
                                                      "nograb",  "dograb",      "qmljsdebugger"};

// "--record", "--play" or "--hall" when `arg` is that option, alone or with "=VALUE"; else
// empty.
std::string_view ValueOption(std::string_view arg) {
  for (const std::string_view option : {"--record", "--play", "--hall"}) {
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
  const auto mistake = [&line](const char* pattern, std::string_view subject) {
    line.request = CommandLine::Request::Mistake;
    line.mistakePattern = pattern;
    line.mistakeSubject = std::string(subject);
    line.mistake =
        QString::fromUtf8(pattern).arg(QString::fromStdString(line.mistakeSubject)).toStdString();
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
    if (arg == "--daily") {
      line.daily = true;
      continue;
    }
    if (const std::string_view option = ValueOption(arg); !option.empty()) {
      std::string_view path;
      if (arg != option) {
        path = arg.substr(option.size() + 1);
      } else if (i + 1 < argc) {
        path = argv[++i];
      }
      if (path.empty()) {
        return mistake(option == "--hall" ? kUrlMissing : kFileMissing, option);
      }
      (option == "--record" ? line.recordPath
       : option == "--play" ? line.playPath
                            : line.hallUrl) = std::string(path);
      continue;
    }
    if (arg.size() < 2 || arg.front() != '-') {
      return mistake(kUnexpectedArgument, arg);
    }
    // Qt's own options, with their values, go to Qt as they are.
    std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    const bool joinedValue = name.find('=') != std::string_view::npos;
    name = name.substr(0, name.find('='));
    if (Contains(kQtOptionsWithValue, name)) {
      line.qtArguments.push_back(argv[i]);
      if (!joinedValue) {
        if (i + 1 >= argc) {
          return mistake(kValueMissing, arg);
        }
        line.qtArguments.push_back(argv[++i]);
      }
      line.platformArgument = line.platformArgument || name == "platform";
    } else if (Contains(kQtFlags, name)) {
      line.qtArguments.push_back(argv[i]);
    } else {
      return mistake(kUnrecognizedOption, arg);
    }
  }
  if (line.daily && !line.hallUrl) {
    return mistake(kNeedsHall, "--daily");
  }
  line.qtArguments.push_back(nullptr);
  return line;
}

std::string MistakeLine(const CommandLine& line, const Translations& translations) {
  const QString what = translations.Translate("CommandLine", line.mistakePattern)
                           .arg(QString::fromStdString(line.mistakeSubject));
  return "stonewick: " +
         (what + ' ' + translations.Translate("CommandLine", kTryHelp)).toStdString() + "\n";
}

std::string UsageText() {
  return QT_TRANSLATE_NOOP(
      "CommandLine",
      "Usage: stonewick [--play FILE] [--record FILE] [--hall URL [--daily]]\n"
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
      "  --hall URL     record the game (into --record's FILE, or a file in the\n"
      "                 user's data folder) and offer to send it to the hall of\n"
      "                 verified games at URL when it ends\n"
      "  --daily        with --hall, play the hall's board of the day\n"
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
