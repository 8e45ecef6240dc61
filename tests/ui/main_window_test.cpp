// The main window as the program starts it: layout, start-up state, the board's pixels, keys
// and clicks on the grid, and what each menu command does.
#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QTest>
#include <memory>
#include <set>

#include "tests/support/position_builder.h"
#include "ui/cursor_dialogs.h"
#include "ui/fonts.h"
#include "ui/program.h"

using namespace stonewick;

namespace {

using stonewick::GameState;

QImage CellOf(const QImage& board, int col, int row) {
  return board.copy(col * 16, row * 16, 16, 16).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QCursor::setPos(0, 0);
    program = std::make_unique<Program>();
    program->mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow));
  }
  void cleanup() { program.reset(); }

  void windowHasItsCaptionSizeAndPlace() {
    QCOMPARE(board().windowTitle(), QString("Stonewick"));
    // 395 by 480 is the outer size, as for the About and Instructions windows: the frame
    // takes 8 by 27 of it.
    QCOMPARE(board().size(), QSize(395 - 8, 480 - 27));
    // At (482, 249) the window would pass the right edge of the 800 by 800 test screen.
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    QCOMPARE(board().pos(), QPoint(405, 249));
    QVERIFY(!board().windowIcon().isNull());
  }

  void windowKeepsItsPlaceWhereItFitsElseComesBackOntoTheFreeArea() {
    const QPoint place(482, 249);
    const QSize outer(395, 480);
    QCOMPARE(ClampedTopLeft(place, outer, QRect(0, 0, 1280, 1024)), place);
    // A 1280 by 1024 screen at a scale factor of 2.
    QCOMPARE(ClampedTopLeft(place, outer, QRect(0, 0, 640, 512)), QPoint(245, 32));
    // An 800 by 600 screen with a panel 24 pixels high along its top.
    QCOMPARE(ClampedTopLeft(place, outer, QRect(0, 24, 800, 576)), QPoint(405, 120));
    // One pixel too narrow, and exactly high enough.
    QCOMPARE(ClampedTopLeft(place, outer, QRect(0, 0, 876, 729)), QPoint(481, 249));
  }

  void startUpShowsLevelOneCountersAndPauseCaption() {
    QCOMPARE(board().ReadoutLabel(Readout::Powers).text(), QString("Powers : 1"));
    QCOMPARE(board().ReadoutLabel(Readout::Clock).text(), QString("Clock : 0"));
    QCOMPARE(board().ReadoutLabel(Readout::Level).text(), QString("Level : 1"));
    QCOMPARE(board().ReadoutLabel(Readout::Kills).text(), QString("Kills : 0"));
    QCOMPARE(board().ReadoutLabel(Readout::AtLarge).text(), QString("At large : 2"));
    QCOMPARE(board().Command(MenuCommand::Pause).text(), QString("&Pause"));
    QCOMPARE(game().state, GameState::Ready);
    QCOMPARE(game().level, 1);
  }

  void startUpLeavesTimersOffWithTheirIntervals() {
    QVERIFY(!timers()[GameTimer::Main].enabled);
    QVERIFY(!timers()[GameTimer::Slow].enabled);
    QVERIFY(!timers()[GameTimer::BadStep].enabled);
    QCOMPARE(timers()[GameTimer::Main].interval, 150);
    QCOMPARE(timers()[GameTimer::Slow].interval, 400);
    // The level-1 layout has set the bad step for its two baddies.
    QCOMPARE(timers()[GameTimer::BadStep].interval, 600);
  }

  void gridSitsInItsPlaceWithCellsOnlyAndHoldsFocus() {
    QCOMPARE(board().View().geometry(), QRect(14, 38, 352, 352));
    QCOMPARE(board().View().parentWidget(), &board().Client());
    QCOMPARE(board().Client().geometry().top(), board().MenuBar().geometry().bottom() + 1);
    QCOMPARE(board().focusWidget(), &board().View());
    QVERIFY(board().GlideBox().isHidden());
    QVERIFY(!board().GlideBox().isChecked());
    QCOMPARE(board().GlideBox().geometry(), QRect(228, 12, 97, 17));
    QCOMPARE(board().GlideBox().text(), QString("glide"));
  }

  void labelsHaveTheirPlacesAndFonts_data() {
    QTest::addColumn<Readout>("readout");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("visible");
    QTest::newRow("powersLabel") << Readout::Powers << QPoint(274, 390) << true << true;
    QTest::newRow("clockLabel") << Readout::Clock << QPoint(14, 408) << false << true;
    QTest::newRow("levelLabel") << Readout::Level << QPoint(14, 6) << true << true;
    QTest::newRow("killsLabel") << Readout::Kills << QPoint(136, 408) << false << true;
    QTest::newRow("atLargeLabel") << Readout::AtLarge << QPoint(214, 408) << false << true;
    QTest::newRow("intervalLabel")
        << Readout::BadStepInterval << QPoint(304, 408) << false << false;
  }
  void labelsHaveTheirPlacesAndFonts() {
    QFETCH(Readout, readout);
    QFETCH(QPoint, topLeft);
    QFETCH(bool, bold);
    QFETCH(bool, visible);
    const QLabel& label = board().ReadoutLabel(readout);
    QCOMPARE(label.pos(), topLeft);
    // Arial, or the face that stands in for it where it is not installed.
    QCOMPARE(label.font().family(), InstalledFamily("Arial"));
    QCOMPARE(label.font().pixelSize(), 13);
    QCOMPARE(label.font().bold(), bold);
    QCOMPARE(label.isVisible(), visible);
    QCOMPARE(label.size(), label.sizeHint());
  }

  void resizingLeavesGridAndLabelsInPlace() {
    board().resize(640, 600);
    QCOMPARE(board().View().geometry(), QRect(14, 38, 352, 352));
    QCOMPARE(board().ReadoutLabel(Readout::Powers).pos(), QPoint(274, 390));
    QCOMPARE(board().ReadoutLabel(Readout::AtLarge).pos(), QPoint(214, 408));
  }

  void boardShowsTheTileOfEveryCellAfterStartUp() {
    QCOMPARE(program->tileSet.imageList.size(), std::size_t{39});
    CompareBoardWithTileLayer(board().View().grab().toImage());
    CompareBoardWithTileLayer(board().View().Backbuffer());
  }

  void repaintShowsTileLayerAsItStands() {
    // Written without a draw, as layouts do: a repaint must still show it.
    testing::Put(program->session, testing::PositionBuilder(program->session)
                                       .Cell(5, 6, stonewick::Border)
                                       .Cell(21, 21, stonewick::HardBrick));
    board().View().repaint(QRect(64, 80, 40, 40));
    QCOMPARE(CellOf(board().View().Backbuffer(), 5, 6), tile(stonewick::Border));
    CompareBoardWithTileLayer(board().View().grab().toImage());
  }

  void arrowKeyStartsPlayAndMovesPlayerOntoFloor() {
    QCOMPARE(game().board.tiles[10][10], stonewick::PlayerUp);
    QCOMPARE(game().board.tiles[9][10], stonewick::Blank);
    QTest::keyClick(&board().View(), Qt::Key_Left);
    QCOMPARE(game().state, GameState::Running);
    QVERIFY(timers()[GameTimer::Main].enabled);
    QCOMPARE(game().playerCol, 9);
    QCOMPARE(game().playerRow, 10);
    QCOMPARE(game().board.tiles[9][10], stonewick::PoweredLeft);
    QCOMPARE(game().board.tiles[10][10], stonewick::Dirt);
    const QImage shown = board().View().Backbuffer();
    QCOMPARE(CellOf(shown, 9, 10), tile(stonewick::PoweredLeft));
    QCOMPARE(CellOf(shown, 10, 10), tile(stonewick::Dirt));
  }

  void arrowKeyTowardsBrickOnlyTurnsPlayer() {
    QCOMPARE(game().board.tiles[11][10], stonewick::SoftBrick);
    QTest::keyClick(&board().View(), Qt::Key_Right);
    QCOMPARE(game().playerCol, 10);
    QCOMPARE(game().board.tiles[10][10], stonewick::PoweredRight);
    QCOMPARE(CellOf(board().View().Backbuffer(), 10, 10), tile(stonewick::PoweredRight));
  }

  void keyWithoutActionStartsPlayInReady() {
    QTest::keyClick(&board().View(), Qt::Key_F5);
    QCOMPARE(game().state, GameState::Running);
    QCOMPARE(game().board.tiles[10][10], stonewick::PlayerUp);
  }

  void clickOnPlainPlayerTileTurnsItClockwise() {
    QTest::mouseClick(&board().View(), Qt::LeftButton, {}, QPoint(10 * 16 + 8, 10 * 16 + 8));
    QCOMPARE(game().board.tiles[10][10], stonewick::PlayerRight);
    QCOMPARE(CellOf(board().View().Backbuffer(), 10, 10), tile(stonewick::PlayerRight));
    QCOMPARE(game().state, GameState::Ready);
  }

  void menuBarCarriesNineCommandsInOrder() {
    QStringList texts;
    for (const QAction* action : board().MenuBar().actions()) {
      texts << action->text();
    }
    QCOMPARE(texts, QStringList({"&Exit", "&Instructions", "&Start", "&Pause", "Ra&ndomise",
                                 "&Cheat", "S&kip", "&Auto", "A&bout"}));
    QVERIFY(!board().Command(MenuCommand::Cheat).isVisible());
    QVERIFY(board().Command(MenuCommand::Skip).isEnabled());
  }

  void allVisibleCommandsShowAtWindowWidthOnWrappedRows() {
    const auto items = board().MenuBar().ItemRects(board().width());
    QCOMPARE(items.size(), std::size_t{8});
    const QRect bar = board().MenuBar().geometry();
    QCOMPARE(bar.width(), board().width());
    std::set<int> rows;
    for (std::size_t i = 0; i < items.size(); ++i) {
      QVERIFY(items[i].first != &board().Command(MenuCommand::Cheat));
      QVERIFY(QRect(QPoint(0, 0), bar.size()).contains(items[i].second));
      rows.insert(items[i].second.top());
      for (std::size_t j = 0; j < i; ++j) {
        QVERIFY(!items[i].second.intersects(items[j].second));
      }
    }
    // A narrow window wraps the bar further and still shows every command.
    board().resize(120, 480);
    QVERIFY(board().MenuBar().height() > bar.height());
    for (const auto& item : board().MenuBar().ItemRects(120)) {
      QVERIFY(board().MenuBar().rect().contains(item.second));
    }
    // A caption that grows makes room for itself too.
    board().resize(395, 480);
    const int twoRows = board().MenuBar().height();
    board()
        .Command(MenuCommand::Pause)
        .setText("&Pause for a long while, then carry on playing when you are ready");
    QCoreApplication::processEvents();
    QVERIFY(board().MenuBar().height() > twoRows);
    QCOMPARE(board().Client().y(), board().MenuBar().height());
  }

  void commandsShareOneRowAtOpeningWidthInEitherFace_data() {
    QTest::addColumn<QString>("family");
    // The window's face, and the widest stand-in, used where the first is not installed.
    QTest::newRow("window's face") << InstalledFamily("MS Sans Serif");
    QTest::newRow("DejaVu Sans") << QString("DejaVu Sans");
  }
  void commandsShareOneRowAtOpeningWidthInEitherFace() {
    QFETCH(QString, family);
    board().MenuBar().setFont(WindowFont(family, 11));
    const QFontMetrics metrics = board().MenuBar().fontMetrics();
    const auto items = board().MenuBar().ItemRects(board().width());
    QCOMPARE(items.size(), std::size_t{8});
    for (std::size_t i = 0; i < items.size(); ++i) {
      QCOMPARE(items[i].second.top(), items[0].second.top());
      const QString caption = items[i].first->text();
      QVERIFY(items[i].second.width() >= metrics.size(Qt::TextShowMnemonic, caption).width());
      QVERIFY(i == 0 || items[i].second.left() > items[i - 1].second.right());
    }
    QVERIFY(items.back().second.right() < board().width());
    QCOMPARE(board().MenuBar().heightForWidth(board().width()),
             board().MenuBar().heightForWidth(QWIDGETSIZE_MAX));
  }

  void acceleratorsAreUniqueAndFollowPauseCaption() {
    std::set<int> keys;
    for (const QAction* action : board().MenuBar().actions()) {
      QVERIFY(!action->shortcut().isEmpty());
      keys.insert(action->shortcut()[0].toCombined());
    }
    keys.insert(QKeySequence::mnemonic("&Resume")[0].toCombined());
    QCOMPARE(keys.size(), std::size_t{10});
    QCOMPARE(board().Command(MenuCommand::Pause).shortcut(), QKeySequence(Qt::ALT | Qt::Key_P));
    board().Command(MenuCommand::Pause).trigger();
    QCOMPARE(board().Command(MenuCommand::Pause).text(), QString("&Resume"));
    QCOMPARE(board().Command(MenuCommand::Pause).shortcut(), QKeySequence(Qt::ALT | Qt::Key_R));
  }

  void altAndAcceleratorLetterRunsCommand() {
    board().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board()));
    QTest::keyClick(&board().View(), Qt::Key_K, Qt::AltModifier);
    QCOMPARE(board().ReadoutLabel(Readout::Level).text(), QString("Level : 2"));
  }

  void clickOnMenuItemRunsCommand() {
    const QPoint start = board().MenuBar().ItemRect(&board().Command(MenuCommand::Start)).center();
    QTest::mouseClick(&board().MenuBar(), Qt::LeftButton, {}, start);
    QCOMPARE(game().state, GameState::Running);
    QVERIFY(timers()[GameTimer::Main].enabled);
  }

  void startRunsAllThreeTimers() {
    board().Command(MenuCommand::Start).trigger();
    QCOMPARE(game().state, GameState::Running);
    QVERIFY(game().running);
    QVERIFY(timers()[GameTimer::Main].enabled);
    QVERIFY(timers()[GameTimer::Slow].enabled);
    QVERIFY(timers()[GameTimer::BadStep].enabled);
  }

  void pauseStopsTimersAndResumeRunsThemWithCaptionToggling() {
    board().Command(MenuCommand::Start).trigger();
    board().Command(MenuCommand::Pause).trigger();
    QCOMPARE(board().Command(MenuCommand::Pause).text(), QString("&Resume"));
    QCOMPARE(game().state, GameState::Paused);
    QVERIFY(!timers()[GameTimer::Main].enabled && !timers()[GameTimer::Slow].enabled &&
            !timers()[GameTimer::BadStep].enabled);
    board().Command(MenuCommand::Pause).trigger();
    QCOMPARE(board().Command(MenuCommand::Pause).text(), QString("&Pause"));
    QVERIFY(timers()[GameTimer::Main].enabled && timers()[GameTimer::Slow].enabled &&
            timers()[GameTimer::BadStep].enabled);
  }

  void hiddenCheatAddsTenPowersEachTime() {
    board().Command(MenuCommand::Cheat).trigger();
    board().Command(MenuCommand::Cheat).trigger();
    QCOMPARE(game().powers, 21);
    QCOMPARE(board().ReadoutLabel(Readout::Powers).text(), QString("Powers : 21"));
  }

  void skipLaysOutNextLevelOnScreen() {
    board().Command(MenuCommand::Skip).trigger();
    QCOMPARE(game().level, 2);
    QCOMPARE(board().ReadoutLabel(Readout::Level).text(), QString("Level : 2"));
    CompareBoardWithTileLayer(board().View().Backbuffer());
  }

  void autoRemovesPlayerAndLetsBoardPlay() {
    board().Command(MenuCommand::Auto).trigger();
    QCOMPARE(game().playerCol, 0);
    QCOMPARE(game().playerRow, 0);
    QCOMPARE(game().board.tiles[10][10], stonewick::Blank);
    QCOMPARE(CellOf(board().View().Backbuffer(), 10, 10), tile(stonewick::Blank));
    QCOMPARE(game().state, GameState::Running);
    QVERIFY(timers()[GameTimer::BadStep].enabled);
  }

  void randomiseLeavesGameAsItWas() {
    const stonewick::Board before = game().board;
    board().Command(MenuCommand::Randomise).trigger();
    QVERIFY(game().board.tiles == before.tiles);
    QCOMPARE(game().state, GameState::Ready);
    QVERIFY(!timers()[GameTimer::Main].enabled);
  }

  void instructionsShowsTheOneWindowWhereItStands() {
    program->instructionsWindow.move(50, 60);
    board().Command(MenuCommand::Instructions).trigger();
    QVERIFY(program->instructionsWindow.isVisible());
    board().Command(MenuCommand::Instructions).trigger();
    QVERIFY(program->instructionsWindow.isVisible());
    QCOMPARE(program->instructionsWindow.pos(), QPoint(50, 60));
    int windows = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
      windows += qobject_cast<const InstructionsWindow*>(widget) != nullptr ? 1 : 0;
    }
    QCOMPARE(windows, 1);
  }

  // Keys go to the active window's focus, as a player's would.
  void escClosesInstructionsAndTheBoardHasTheKeysAgain() {
    board().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board()));
    QTest::keyClick(board().windowHandle(), Qt::Key_I, Qt::AltModifier);
    QVERIFY(QTest::qWaitForWindowActive(&program->instructionsWindow));
    QTest::keyClick(program->instructionsWindow.windowHandle(), Qt::Key_Escape);
    QVERIFY(!program->instructionsWindow.isVisible());
    QCOMPARE(game().instructionsColour, 0);
    QVERIFY(QTest::qWaitForWindowActive(&board()));
    QCOMPARE(QApplication::focusWidget(), &board().View());
    QTest::keyClick(board().windowHandle(), Qt::Key_K, Qt::AltModifier);
    QCOMPARE(board().ReadoutLabel(Readout::Level).text(), QString("Level : 2"));
  }

  void aboutOpensAtCursor() {
    QCursor::setPos(100, 200);
    board().Command(MenuCommand::About).trigger();
    QVERIFY(program->aboutWindow.isVisible());
    QCOMPARE(program->aboutWindow.pos(), QPoint(101, 201));
  }

  void exitClosesMainWindowAndTheOthers() {
    board().Command(MenuCommand::Instructions).trigger();
    board().Command(MenuCommand::About).trigger();
    board().Command(MenuCommand::Exit).trigger();
    QVERIFY(!board().isVisible());
    QVERIFY(!program->instructionsWindow.isVisible());
    QVERIFY(!program->aboutWindow.isVisible());
  }

 private:
  MainWindow& board() { return program->mainWindow; }
  const stonewick::PlayState& game() { return program->session.game(); }
  const TimerSchedule& timers() { return program->session.Timers(); }
  const QImage& tile(int code) {
    return program->tileSet.imageList[static_cast<std::size_t>(code)];
  }

  void CompareBoardWithTileLayer(const QImage& shown) {
    QCOMPARE(shown.size(), QSize(352, 352));
    for (int col = 0; col < 22; ++col) {
      for (int row = 0; row < 22; ++row) {
        if (CellOf(shown, col, row) != tile(game().board.tiles[col][row])) {
          QFAIL(qPrintable(QString("cell (%1, %2) differs from its tile").arg(col).arg(row)));
        }
      }
    }
  }

  std::unique_ptr<Program> program;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
