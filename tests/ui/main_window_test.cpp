// The main window as the program starts it: layout, start-up state, the board's pixels, keys
// and clicks on the grid, and what each menu command does.
#include <QCursor>
#include <QKeySequence>
#include <QTest>
#include <memory>
#include <set>

#include "ui/fonts.h"
#include "ui/program.h"

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
    program->FBoard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->FBoard));
  }
  void cleanup() { program.reset(); }

  void windowHasDesignedCaptionSizeAndPlace() {
    QCOMPARE(board().windowTitle(), QString("Stonewick"));
    QCOMPARE(board().size(), QSize(395, 480));
    QCOMPARE(board().pos(), QPoint(482, 249));
    QVERIFY(!board().windowIcon().isNull());
  }

  void startUpShowsLevelOneCountersAndPauseCaption() {
    QCOMPARE(board().Label1.text(), QString("Powers : 1"));
    QCOMPARE(board().Label2.text(), QString("Clock : 0"));
    QCOMPARE(board().Label3.text(), QString("Level : 1"));
    QCOMPARE(board().Label4.text(), QString("Kills : 0"));
    QCOMPARE(board().Label5.text(), QString("At large : 2"));
    QCOMPARE(board().Pause1.text(), QString("&Pause"));
    QCOMPARE(game().state, GameState::Ready);
    QCOMPARE(game().level, 1);
  }

  void startUpLeavesTimersOffWithDesignedIntervals() {
    QVERIFY(!board().Timer1.isActive());
    QVERIFY(!board().Timer2.isActive());
    QVERIFY(!board().Timer3.isActive());
    QCOMPARE(board().Timer1.interval(), 150);
    QCOMPARE(board().Timer2.interval(), 400);
    // The level-1 layout has set the bad step for its two baddies.
    QCOMPARE(board().Timer3.interval(), 600);
  }

  void gridSitsAtDesignedPlaceWithCellsOnlyAndHoldsFocus() {
    QCOMPARE(board().DrawGrid1.geometry(), QRect(14, 38, 352, 352));
    QCOMPARE(board().DrawGrid1.parentWidget(), &board().client);
    QCOMPARE(board().client.geometry().top(), board().MainMenu1.geometry().bottom() + 1);
    QCOMPARE(board().focusWidget(), &board().DrawGrid1);
    QVERIFY(board().glidechk.isHidden());
    QVERIFY(!board().glidechk.isChecked());
    QCOMPARE(board().glidechk.geometry(), QRect(228, 12, 97, 17));
    QCOMPARE(board().glidechk.text(), QString("glide"));
  }

  void labelsHaveDesignedPlacesAndFonts_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("visible");
    QTest::newRow("Label1") << 1 << QPoint(274, 390) << true << true;
    QTest::newRow("Label2") << 2 << QPoint(14, 408) << false << true;
    QTest::newRow("Label3") << 3 << QPoint(14, 6) << true << true;
    QTest::newRow("Label4") << 4 << QPoint(136, 408) << false << true;
    QTest::newRow("Label5") << 5 << QPoint(214, 408) << false << true;
    QTest::newRow("Label6") << 6 << QPoint(304, 408) << false << false;
  }
  void labelsHaveDesignedPlacesAndFonts() {
    QFETCH(int, number);
    QFETCH(QPoint, topLeft);
    QFETCH(bool, bold);
    QFETCH(bool, visible);
    const QLabel& label = board().Label(number);
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
    QCOMPARE(board().DrawGrid1.geometry(), QRect(14, 38, 352, 352));
    QCOMPARE(board().Label1.pos(), QPoint(274, 390));
    QCOMPARE(board().Label5.pos(), QPoint(214, 408));
  }

  void boardShowsTheTileOfEveryCellAfterStartUp() {
    QCOMPARE(program->FCore.ImageList1.size(), std::size_t{39});
    CompareBoardWithTileLayer(board().DrawGrid1.grab().toImage());
    CompareBoardWithTileLayer(board().DrawGrid1.Backbuffer());
  }

  void repaintShowsTileLayerAsItStands() {
    // Written without a draw, as layouts do: a repaint must still show it.
    game().board.tiles[5][6] = stonewick::Border;
    game().board.tiles[21][21] = stonewick::HardBrick;
    board().DrawGrid1.repaint(QRect(64, 80, 40, 40));
    QCOMPARE(CellOf(board().DrawGrid1.Backbuffer(), 5, 6), tile(stonewick::Border));
    CompareBoardWithTileLayer(board().DrawGrid1.grab().toImage());
  }

  void arrowKeyStartsPlayAndMovesPlayerOntoFloor() {
    QCOMPARE(game().board.tiles[10][10], stonewick::PlayerUp);
    QCOMPARE(game().board.tiles[9][10], stonewick::Blank);
    QTest::keyClick(&board().DrawGrid1, Qt::Key_Left);
    QCOMPARE(game().state, GameState::Running);
    QVERIFY(board().Timer1.isActive());
    QCOMPARE(game().playerCol, 9);
    QCOMPARE(game().playerRow, 10);
    QCOMPARE(game().board.tiles[9][10], stonewick::PoweredLeft);
    QCOMPARE(game().board.tiles[10][10], stonewick::Dirt);
    const QImage shown = board().DrawGrid1.Backbuffer();
    QCOMPARE(CellOf(shown, 9, 10), tile(stonewick::PoweredLeft));
    QCOMPARE(CellOf(shown, 10, 10), tile(stonewick::Dirt));
  }

  void arrowKeyTowardsBrickOnlyTurnsPlayer() {
    QCOMPARE(game().board.tiles[11][10], stonewick::SoftBrick);
    QTest::keyClick(&board().DrawGrid1, Qt::Key_Right);
    QCOMPARE(game().playerCol, 10);
    QCOMPARE(game().board.tiles[10][10], stonewick::PoweredRight);
    QCOMPARE(CellOf(board().DrawGrid1.Backbuffer(), 10, 10), tile(stonewick::PoweredRight));
  }

  void keyWithoutActionStartsPlayInReady() {
    QTest::keyClick(&board().DrawGrid1, Qt::Key_F5);
    QCOMPARE(game().state, GameState::Running);
    QCOMPARE(game().board.tiles[10][10], stonewick::PlayerUp);
  }

  void clickOnPlainPlayerTileTurnsItClockwise() {
    QTest::mouseClick(&board().DrawGrid1, Qt::LeftButton, {}, QPoint(10 * 16 + 8, 10 * 16 + 8));
    QCOMPARE(game().board.tiles[10][10], stonewick::PlayerRight);
    QCOMPARE(CellOf(board().DrawGrid1.Backbuffer(), 10, 10), tile(stonewick::PlayerRight));
    QCOMPARE(game().state, GameState::Ready);
  }

  void menuBarCarriesNineCommandsInDesignedOrder() {
    QStringList texts;
    for (const QAction* action : board().MainMenu1.actions()) {
      texts << action->text();
    }
    QCOMPARE(texts, QStringList({"&Exit", "&Instructions", "&Start", "&Pause", "Ra&ndomise",
                                 "&Cheat", "S&kip", "&Auto", "A&bout"}));
    QVERIFY(!board().Cheat1.isVisible());
    QVERIFY(board().Skip1.isEnabled());
  }

  void allVisibleCommandsShowAtWindowWidthOnWrappedRows() {
    const auto items = board().MainMenu1.ItemRects(board().width());
    QCOMPARE(items.size(), std::size_t{8});
    const QRect bar = board().MainMenu1.geometry();
    QCOMPARE(bar.width(), 395);
    std::set<int> rows;
    for (std::size_t i = 0; i < items.size(); ++i) {
      QVERIFY(items[i].first != &board().Cheat1);
      QVERIFY(QRect(QPoint(0, 0), bar.size()).contains(items[i].second));
      rows.insert(items[i].second.top());
      for (std::size_t j = 0; j < i; ++j) {
        QVERIFY(!items[i].second.intersects(items[j].second));
      }
    }
    // A narrow window wraps the bar further and still shows every command.
    board().resize(120, 480);
    QVERIFY(board().MainMenu1.height() > bar.height());
    for (const auto& item : board().MainMenu1.ItemRects(120)) {
      QVERIFY(board().MainMenu1.rect().contains(item.second));
    }
    // A caption that grows makes room for itself too.
    board().resize(395, 480);
    const int twoRows = board().MainMenu1.height();
    board().Pause1.setText("&Pause for a long while, then carry on playing when you are ready");
    QCoreApplication::processEvents();
    QVERIFY(board().MainMenu1.height() > twoRows);
    QCOMPARE(board().client.y(), board().MainMenu1.height());
  }

  void acceleratorsAreUniqueAndFollowPauseCaption() {
    std::set<int> keys;
    for (const QAction* action : board().MainMenu1.actions()) {
      QVERIFY(!action->shortcut().isEmpty());
      keys.insert(action->shortcut()[0].toCombined());
    }
    keys.insert(QKeySequence::mnemonic("&Resume")[0].toCombined());
    QCOMPARE(keys.size(), std::size_t{10});
    QCOMPARE(board().Pause1.shortcut(), QKeySequence(Qt::ALT | Qt::Key_P));
    board().Pause1.trigger();
    QCOMPARE(board().Pause1.text(), QString("&Resume"));
    QCOMPARE(board().Pause1.shortcut(), QKeySequence(Qt::ALT | Qt::Key_R));
  }

  void altAndAcceleratorLetterRunsCommand() {
    board().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board()));
    QTest::keyClick(&board().DrawGrid1, Qt::Key_K, Qt::AltModifier);
    QCOMPARE(board().Label3.text(), QString("Level : 2"));
  }

  void clickOnMenuItemRunsCommand() {
    const QPoint start = board().MainMenu1.ItemRect(&board().start1).center();
    QTest::mouseClick(&board().MainMenu1, Qt::LeftButton, {}, start);
    QCOMPARE(game().state, GameState::Running);
    QVERIFY(board().Timer1.isActive());
  }

  void startRunsAllThreeTimers() {
    board().start1.trigger();
    QCOMPARE(game().state, GameState::Running);
    QVERIFY(game().running);
    QVERIFY(board().Timer1.isActive());
    QVERIFY(board().Timer2.isActive());
    QVERIFY(board().Timer3.isActive());
  }

  void pauseStopsTimersAndResumeRunsThemWithCaptionToggling() {
    board().start1.trigger();
    board().Pause1.trigger();
    QCOMPARE(board().Pause1.text(), QString("&Resume"));
    QCOMPARE(game().state, GameState::Paused);
    QVERIFY(!board().Timer1.isActive() && !board().Timer2.isActive() && !board().Timer3.isActive());
    board().Pause1.trigger();
    QCOMPARE(board().Pause1.text(), QString("&Pause"));
    QVERIFY(board().Timer1.isActive() && board().Timer2.isActive() && board().Timer3.isActive());
  }

  void hiddenCheatAddsTenPowersEachTime() {
    board().Cheat1.trigger();
    board().Cheat1.trigger();
    QCOMPARE(game().powers, 21);
    QCOMPARE(board().Label1.text(), QString("Powers : 21"));
  }

  void skipLaysOutNextLevelOnScreen() {
    board().Skip1.trigger();
    QCOMPARE(game().level, 2);
    QCOMPARE(board().Label3.text(), QString("Level : 2"));
    CompareBoardWithTileLayer(board().DrawGrid1.Backbuffer());
  }

  void autoRemovesPlayerAndLetsBoardPlay() {
    board().Auto1.trigger();
    QCOMPARE(game().playerCol, 0);
    QCOMPARE(game().playerRow, 0);
    QCOMPARE(game().board.tiles[10][10], stonewick::Blank);
    QCOMPARE(CellOf(board().DrawGrid1.Backbuffer(), 10, 10), tile(stonewick::Blank));
    QCOMPARE(game().state, GameState::Running);
    QVERIFY(board().Timer3.isActive());
  }

  void randomiseLeavesGameAsItWas() {
    const stonewick::Board before = game().board;
    board().Randomise1.trigger();
    QVERIFY(game().board.tiles == before.tiles);
    QCOMPARE(game().state, GameState::Ready);
    QVERIFY(!board().Timer1.isActive());
  }

  void instructionsShowsTheOneWindowWhereItStands() {
    program->FInstrs.move(50, 60);
    board().Instructions1.trigger();
    QVERIFY(program->FInstrs.isVisible());
    board().Instructions1.trigger();
    QVERIFY(program->FInstrs.isVisible());
    QCOMPARE(program->FInstrs.pos(), QPoint(50, 60));
    int windows = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
      windows += qobject_cast<const TFInstrs*>(widget) != nullptr ? 1 : 0;
    }
    QCOMPARE(windows, 1);
  }

  void aboutOpensAtCursor() {
    QCursor::setPos(100, 200);
    board().About1.trigger();
    QVERIFY(program->FAbout1.isVisible());
    QCOMPARE(program->FAbout1.pos(), QPoint(101, 201));
  }

  void exitClosesMainWindowAndTheOthers() {
    board().Instructions1.trigger();
    board().About1.trigger();
    board().Exit1.trigger();
    QVERIFY(!board().isVisible());
    QVERIFY(!program->FInstrs.isVisible());
    QVERIFY(!program->FAbout1.isVisible());
  }

 private:
  TFBoard& board() { return program->FBoard; }
  stonewick::Game& game() { return program->game; }
  const QImage& tile(int code) { return program->FCore.ImageList1[static_cast<std::size_t>(code)]; }

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
