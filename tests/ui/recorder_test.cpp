// Recording from the window: events that ran inside others, a question's answer, the
// Instructions window closing, the close box and the game closing itself, as the recording
// says them; and files that cannot be written.
#include <fcntl.h>
#include <unistd.h>

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "modal_answer.h"
#include "tests/support/position_builder.h"
#include "ui/program.h"

using namespace stonewick;

namespace {

// The lines of a recording after its heading, without the waits (they depend on how fast the
// test runs), with each checkpoint's number left out once it is seen to be one, and the final
// state's lines counted instead of listed.
std::vector<std::string> RecordedLines(const QString& path) {
  std::ifstream file(path.toStdString());
  std::vector<std::string> lines;
  std::string line;
  std::getline(file, line);
  int stateLines = 0;
  while (std::getline(file, line)) {
    if (line.starts_with("#= ")) {
      if (++stateLines == 1) {
        lines.push_back(line);
      }
      continue;
    }
    if (stateLines > 0) {
      lines.push_back("#= ... " + std::to_string(stateLines) + " lines");
      stateLines = 0;
    }
    if (line.starts_with("#~ ")) {
      const bool number =
          line.size() == 11 && line.find_first_not_of("0123456789abcdef", 3) == std::string::npos;
      lines.push_back(number ? "#~" : line);
      continue;
    }
    const std::size_t command = line.starts_with('>') ? line.find(' ') + 1 : 0;
    if (line.compare(command, 5, "wait ") != 0) {
      lines.push_back(line);
    }
  }
  return lines;
}

// What `action` writes on standard error.
std::string ErrorOutput(const std::function<void()>& action) {
  std::fflush(stderr);
  char name[] = "/tmp/recorder_test_stderr_XXXXXX";
  const int captured = mkstemp(name);
  const int saved = dup(STDERR_FILENO);
  dup2(captured, STDERR_FILENO);
  action();
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  close(captured);
  std::ifstream file(name);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  unlink(name);
  return text;
}

}  // namespace

class RecorderTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(folder.isValid());
    path = folder.filePath("game.rec");
    program = std::make_unique<Program>();
  }
  void cleanup() { program.reset(); }

  void keyThatWaitedRunsInsideCheatAtItsFirstYieldPoint() {
    Show(true);
    // The key waits until Cheat, writing the Powers read-out, lets pending events run.
    QCoreApplication::postEvent(&board().View(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
    board().RunCommand(MenuCommand::Cheat);
    QCOMPARE(program->session.game().playerCol, 9);
    board().RunCommand(MenuCommand::Exit);
    QCOMPARE(RecordedLines(path),
             std::vector<std::string>({"manual", "menu cheat", ">1 key 37", "#~", "dump",
                                       "#= state 1 running 1 level 1 powers 11 kills 0 slowticks 0",
                                       "#= ... 61 lines", "menu exit"}));
  }

  void closingInstructionsAndTheCloseBoxAreRecorded() {
    Show(true);
    board().RunCommand(MenuCommand::Instructions);
    program->instructionsWindow.close();
    board().windowHandle()->close();
    QVERIFY(!board().isVisible());
    std::vector<std::string> lines = RecordedLines(path);
    QCOMPARE(lines.size(), std::size_t{10});
    QVERIFY(lines[1].starts_with("reading "));
    QCOMPARE(lines[1].find_first_not_of("0123456789", 8), std::string::npos);
    lines.erase(lines.begin() + 1);
    QCOMPARE(lines, std::vector<std::string>(
                        {"manual", "menu instructions", "#~", "close instructions", "#~", "dump",
                         "#= state 0 running 0 level 1 powers 1 kills 0 slowticks 0",
                         "#= ... 61 lines", "menu exit"}));
  }

  void answerNoToPlayingAgainEndsTheRecordingWithThatKey() {
    Show(true);
    testing::Put(program->session,
                 testing::PositionBuilder(program->session).Powers(0).Cell(9, 10, stonewick::Bad));
    // A slow tick comes while the question is open, at the key's first yield point.
    const auto seen = AnswerNextBox([this](QMessageBox& box) {
      board().Deliver(TimerTick{GameTimer::Slow});
      box.button(QMessageBox::No)->click();
    });
    QTest::keyClick(&board().View(), Qt::Key_Left);
    QVERIFY(seen->seen);
    QVERIFY(!board().isVisible());
    QCOMPARE(RecordedLines(path),
             std::vector<std::string>({"manual", "answer N", "key 37", ">1 slow"}));
  }

  void gamePlaysOnWhenTheFileCannotBeWritten() {
    QCOMPARE(ErrorOutput([&] { QVERIFY(!program->StartRecording("/dev/full")); }),
             std::string("stonewick: cannot record to /dev/full: No space left on device; "
                         "the game goes on without recording\n"));
    const std::string missing = folder.filePath("no/such/folder.rec").toStdString();
    QCOMPARE(ErrorOutput([&] { QVERIFY(!program->StartRecording(missing)); }),
             "stonewick: cannot record to " + missing +
                 ": No such file or directory; the game goes on without recording\n");

    // A pipe whose reader goes away after the heading: the first event ends the recording.
    int pipeEnds[2];
    QCOMPARE(pipe(pipeEnds), 0);
    const std::string pipePath = "/proc/self/fd/" + std::to_string(pipeEnds[1]);
    QVERIFY(program->StartRecording(pipePath));
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    Show(false);
    QCOMPARE(ErrorOutput([&] { QTest::keyClick(&board().View(), Qt::Key_Left); }),
             "stonewick: stopped recording to " + pipePath +
                 ": Broken pipe; the game goes on without recording\n");
    QTest::keyClick(&board().View(), Qt::Key_Left);
    QCOMPARE(program->session.game().playerCol, 8);
    QCOMPARE(ErrorOutput([&] { board().RunCommand(MenuCommand::Exit); }), std::string());
  }

 private:
  MainWindow& board() { return program->mainWindow; }
  void Show(bool recording) {
    if (recording) {
      QVERIFY(program->StartRecording(path.toStdString()));
    }
    board().show();
    QVERIFY(QTest::qWaitForWindowExposed(&board()));
  }

  QTemporaryDir folder;
  QString path;
  std::unique_ptr<Program> program;
};

QTEST_MAIN(RecorderTest)
#include "recorder_test.moc"
