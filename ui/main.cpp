// Starts the game: the command line, a platform that lets the game place its windows, the
// application, the modules and windows in start-up order, then the event loop, which shows
// the main window and runs until it is closed. Watching a recording, the program ends with 0
// when it played back as recorded, 1 when it differed and 2 on trouble, as cmp does. With
// --hall the game is recorded and, once it ends, offered to the hall.
#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <optional>
#include <utility>

#include "session/watching/open_recording.h"
#include "ui/command_line.h"
#include "ui/first_paint.h"
#include "ui/hall_client.h"
#include "ui/platform.h"
#include "ui/program.h"
#include "ui/tile_set.h"
#include "ui/translations.h"

int main(int argc, char* argv[]) {
  using namespace stonewick;
  // Before Qt starts, so that --help and --version need no display.
  CommandLine commandLine = ReadCommandLine(argc, argv);
  // The player's language, for --help too; the application reads its texts in it once it runs.
  Translations translations(LanguagesFromEnvironment());
  switch (commandLine.request) {
    case CommandLine::Request::ShowHelp:
      std::fputs(translations.Translate("CommandLine", UsageText().c_str()).toStdString().c_str(),
                 stdout);
      return 0;
    case CommandLine::Request::ShowVersion:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case CommandLine::Request::Mistake:
      std::fputs(MistakeLine(commandLine, translations).c_str(), stderr);
      return 2;
    case CommandLine::Request::Play:
      break;
  }
  // A recording to watch is read and checked whole before any window opens.
  std::optional<Timeline> recording;
  if (commandLine.playPath &&
      !(recording = ReadRecordingFile(*commandLine.playPath, std::cin, std::cerr))) {
    return 2;
  }
  ChoosePlatformFromEnvironment(commandLine.platformArgument);
  // Whole-number scaling keeps the pixel-art tiles sharp on high-density screens.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  // Qt sees only its own options; the game's are read already.
  int qtArgc = static_cast<int>(commandLine.qtArguments.size()) - 1;
  WatchForMissingDisplay(commandLine.playPath ? 2 : 1);
  QApplication app(qtArgc, commandLine.qtArguments.data());
  DisplayOpened();
  translations.Install();
  QApplication::setWindowIcon(TileSet::ProgramIcon());
  const QString hallUrl = QString::fromStdString(commandLine.hallUrl.value_or(""));
  // The hall client and its network libraries are loaded only to play for the hall.
  const HallModule* hall = nullptr;
  if (commandLine.hallUrl) {
    QString error;
    if ((hall = LoadHallModule(error)) == nullptr) {
      std::fputs(("stonewick: " + error + "\n").toStdString().c_str(), stderr);
      return 2;
    }
  }
  // The board of the day: every clock reading of the game is the day's seed.
  std::optional<DailyBoard> daily;
  if (commandLine.daily) {
    QString error;
    daily = hall->fetchDailyBoard(hallUrl, error);
    if (!daily) {
      std::fputs(QCoreApplication::translate("Hall",
                                             "stonewick: the hall at %1 gives no board "
                                             "of the day: %2\n")
                     .arg(hallUrl, error)
                     .toStdString()
                     .c_str(),
                 stderr);
      return 2;
    }
  }
  Program program;
  if (daily) {
    program.session.AnswerClockReadingsWith(daily->seed);
  }
  QString recordingPath;
  if (FirstPaintProbeRequested()) {
    QObject::connect(&program.mainWindow.View(), &BoardView::FirstPainted,
                     &ReportFirstPaintAndQuit);
  }
  if (commandLine.playPath) {
    // Taking the controls goes on recording into --record's file, if there is one.
    program.StartWatching(
        std::move(*recording),
        QFileInfo(QString::fromStdString(*commandLine.playPath)).fileName().toStdString(),
        commandLine.recordPath.value_or(""));
  } else if (commandLine.recordPath || commandLine.hallUrl) {
    // A recording starts where a replay starts: the clock reads 0 as the main window first
    // shows.
    recordingPath = commandLine.recordPath ? QString::fromStdString(*commandLine.recordPath)
                                           : HallRecordingPath();
    if (!program.StartRecording(recordingPath.toStdString())) {
      recordingPath.clear();
    }
  }
  program.mainWindow.show();
  const int status = QApplication::exec();
  if (!commandLine.playPath) {
    if (commandLine.hallUrl && !recordingPath.isEmpty()) {
      // The recording is whole: each block went to the file as it was made.
      hall->offerGame(hallUrl, recordingPath, daily ? daily->day : QString());
    }
    return status;
  }
  // Closed before the end, the player has not seen the verdict: it covers the whole
  // recording all the same, and the exit status says it.
  if (const std::optional<WatchVerdict>& verdict = program.session.UntoldVerdict()) {
    std::printf("Closed before the end of the recording. %s\n", EnglishVerdict(*verdict).c_str());
  }
  return program.session.WatchExitStatus();
}
