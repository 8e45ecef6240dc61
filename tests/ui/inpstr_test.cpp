// The input-string dialog: the edit box as the only tab stop, results 1 and 2 with the focus
// back in the edit box, and the drag and arrow cursors of its panel.
#include "ui/inpstr.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? button : Qt::NoButton;
  QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

void ClearApplicationCursor() {
  while (QGuiApplication::overrideCursor() != nullptr) {
    QGuiApplication::restoreOverrideCursor();
  }
}

// Runs the dialog modally and performs the action once it is up; returns the result.
int RunWith(TFinpstr& dialog, const std::function<void()>& action) {
  QTimer::singleShot(0, &dialog, action);
  return dialog.exec();
}

}  // namespace

class InpstrTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ClearApplicationCursor(); }

  void tabNeverMovesTheFocusToAButton() {
    TFinpstr dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.Edit1);
    QTest::keyClick(dialog.Edit1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.Edit1);
    QTest::keyClick(dialog.Edit1, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), dialog.Edit1);
  }

  void eachWayOfClosingGivesItsResult_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("result");
    QTest::newRow("OK clicked") << 0 << 1;
    QTest::newRow("Enter") << 1 << 1;
    QTest::newRow("Cancel clicked") << 2 << 2;
    QTest::newRow("Esc") << 3 << 2;
  }

  void eachWayOfClosingGivesItsResult() {
    QFETCH(int, way);
    QFETCH(int, result);
    TFinpstr dialog;
    const int got = RunWith(dialog, [&] {
      switch (way) {
        case 0:
          QTest::mouseClick(dialog.Button1, Qt::LeftButton);
          break;
        case 1:
          QTest::keyClick(dialog.Edit1, Qt::Key_Return);
          break;
        case 2:
          QTest::mouseClick(dialog.Button2, Qt::LeftButton);
          break;
        default:
          QTest::keyClick(dialog.Edit1, Qt::Key_Escape);
      }
    });
    QCOMPARE(got, result);
  }

  void clickingAButtonGivesTheFocusBackToTheEditBox_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
  }

  void clickingAButtonGivesTheFocusBackToTheEditBox() {
    QFETCH(bool, ok);
    TFinpstr dialog;
    QPushButton* button = ok ? dialog.Button1 : dialog.Button2;
    RunWith(dialog, [&] {
      button->setFocus();
      QTest::mouseClick(button, Qt::LeftButton);
    });
    // The dialog's focus child is what takes the focus when it is shown again.
    QCOMPARE(dialog.focusWidget(), dialog.Edit1);
  }

  void pressOnTheBarePanelSetsTheDragCursor() {
    TFinpstr dialog;
    dialog.show();
    SendMouse(dialog.Panel1, QEvent::MouseButtonPress, {4, 4}, Qt::RightButton);
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
  }

  void pressOnALabelLeavesTheCursorAlone() {
    TFinpstr dialog;
    dialog.show();
    const QPoint onLabel = dialog.Label1->geometry().center();
    SendMouse(dialog.Panel1, QEvent::MouseButtonPress, onLabel, Qt::LeftButton);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }

  void movingOverThePanelRestoresTheArrowOnce() {
    TFinpstr dialog;
    dialog.show();
    SendMouse(dialog.Panel1, QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton);
    SendMouse(dialog.Panel1, QEvent::MouseMove, {5, 5}, Qt::NoButton);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    SendMouse(dialog.Panel1, QEvent::MouseMove, {6, 6}, Qt::NoButton);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    // One application-wide setting, not a growing stack of them.
    QGuiApplication::restoreOverrideCursor();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }
};

QTEST_MAIN(InpstrTest)
#include "inpstr_test.moc"
