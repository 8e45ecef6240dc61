// A recording watched in the window: a jump, forward or back, lands on the very state a replay
// reaches at that point, the read-outs, Pause caption and timers the window shows included,
// and the playback bar shows that point's time; and a recording that differs anywhere is
// judged so, whatever was watched of it.
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>

#include "recording_format/stream_lines.h"
#include "session/scripts/replay.h"
#include "session/watching/timeline.h"
#include "session/watching/watching.h"
#include "ui/playback_bar.h"
#include "ui/program.h"

using namespace stonewick;

class PlaybackTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { program.reset(); }

  void jumpsForwardAndBackLandOnTheStateAReplayReaches() {
    Watching& playback = Watched("check_recording_matches.script");
    const Timeline& recording = playback.Recording();
    const std::int64_t end = recording.EndMs();
    for (const PlayPosition to :
         {recording.PositionAt(end / 2), recording.PositionAt(end / 4), recording.LastEvent(),
          recording.PositionAt(end / 3 + 7), PlayPosition{}}) {
      playback.JumpTo(to);
      std::ostream nowhere(nullptr);
      Replay replay(nowhere);
      recording.ReplayTo(to, replay);
      QCOMPARE(program->session.StateText(), replay.StateText());
      // The bar says where that is: the replay's clock there.
      const QString shown = program->mainWindow.Bar().StateLine();
      const QString time = QString::fromStdString(PlayTimeText(replay.script().clock.nowMs, false));
      QVERIFY2(shown.startsWith("game.rec   " + time + " / "), qPrintable(shown));
    }
  }

  void aLongNameGivesWayToThePositionTheSpeedAndPaused() {
    PlaybackBar bar;
    bar.resize(352, PlaybackBar::kHeight);
    WatchStatus status;
    status.watching = true;
    status.name = std::string(120, 'x') + ".rec";
    status.positionMs = 83'000;
    status.lengthMs = 340'000;
    status.speed = "1x";
    status.paused = true;
    bar.Show(status);
    const QString drawn = bar.DrawnStateLine();
    QVERIFY2(drawn.endsWith("   01:23 / 05:40   1x   paused"), qPrintable(drawn));
    QVERIFY2(drawn.contains(QChar(0x2026)), qPrintable(drawn));
    QVERIFY(QFontMetrics(bar.font()).horizontalAdvance(drawn) <= 352 - 2 * 14);
  }

  void aRecordingThatDiffersAnywhereIsJudgedSoWhateverIsWatched() {
    Watching& playback = Watched("check_recording_altered.script");
    playback.JumpTo(playback.Recording().LastEvent());
    QCOMPARE(playback.ExitStatus(), 1);
    QVERIFY(playback.Status().differs);
    // Once found, the difference stays told.
    playback.JumpTo({});
    QCOMPARE(playback.ExitStatus(), 1);
    QVERIFY(playback.Status().differs);
  }

 private:
  // Watches a recording of tests/replay without playing it: the test jumps in it.
  Watching& Watched(const char* name) {
    std::ifstream file(std::string(STONEWICK_SOURCE_DIR "/tests/replay/") + name);
    StreamLines lines(file);
    Timeline recording;
    std::string errors;
    if (recording.Read(lines, errors, "stonewick") != 0) {
      qFatal("%s", errors.c_str());
    }
    program = std::make_unique<Program>();
    program->mainWindow.show();
    if (!QTest::qWaitForWindowExposed(&program->mainWindow)) {
      qFatal("the main window did not show");
    }
    WatchOptions options;
    options.name = "game.rec";
    return Watch(program->session, std::move(recording), options);
  }

  std::unique_ptr<Program> program;
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
