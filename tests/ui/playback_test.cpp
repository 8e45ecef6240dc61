// A recording watched in the window: a jump, forward or back, lands on the very state a replay
// reaches at that point, the read-outs, Pause caption and timers the window shows included.
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>

#include "tools/replay.h"
#include "tools/timeline.h"
#include "ui/program.h"

using namespace stonewick;

class PlaybackTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    std::ifstream file(STONEWICK_SOURCE_DIR "/tests/replay/check_recording_matches.script");
    Timeline recording;
    std::ostringstream errors;
    QCOMPARE(recording.Read(file, errors), 0);
    program = std::make_unique<Program>();
    program->StartPlayback(std::move(recording), "game.rec");
    program->mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow));
  }
  void cleanup() { program.reset(); }

  void jumpsForwardAndBackLandOnTheStateAReplayReaches() {
    Playback& playback = *program->playback;
    const Timeline& recording = playback.Recording();
    const std::int64_t end = recording.EndMs();
    for (const PlayPosition to :
         {recording.PositionAt(end / 2), recording.PositionAt(end / 4), recording.LastEvent(),
          recording.PositionAt(end / 3 + 7), PlayPosition{}}) {
      playback.JumpTo(to);
      std::ostream nowhere(nullptr);
      Replay replay(nowhere);
      recording.ReplayTo(to, replay);
      QCOMPARE(program->mainWindow.StateText(), replay.StateText());
    }
  }

 private:
  std::unique_ptr<Program> program;
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
