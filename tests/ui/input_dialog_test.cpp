// The input-string dialog: the edit box as the only tab stop, results 1 and 2 with the focus
// back in the edit box, and the drag and arrow cursors of its panel.
#include "ui/input_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace stonewick;

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
int RunWith(InputDialog& dialog, const std::function<void()>& action) {
  QTimer::singleShot(0, &dialog, action);
  return dialog.exec();
}

}  // namespace

class InpstrTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ClearApplicationCursor(); }

  void tabNeverMovesTheFocusToAButton() {
    InputDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), &dialog.TextEdit());
    QTest::keyClick(&dialog.TextEdit(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &dialog.TextEdit());
    QTest::keyClick(&dialog.TextEdit(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), &dialog.TextEdit());
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
    InputDialog dialog;
    const int got = RunWith(dialog, [&] {
      switch (way) {
        case 0:
          QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
          break;
        case 1:
          QTest::keyClick(&dialog.TextEdit(), Qt::Key_Return);
          break;
        case 2:
          QTest::mouseClick(&dialog.CancelButton(), Qt::LeftButton);
          break;
        default:
          QTest::keyClick(&dialog.TextEdit(), Qt::Key_Escape);
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
    InputDialog dialog;
    QPushButton* button = ok ? &dialog.OkButton() : &dialog.CancelButton();
    RunWith(dialog, [&] {
      button->setFocus();
      QTest::mouseClick(button, Qt::LeftButton);
    });
    // The dialog's focus child is what takes the focus when it is shown again.
    QCOMPARE(dialog.focusWidget(), &dialog.TextEdit());
  }

  void pressOnTheBarePanelSetsTheDragCursor() {
    InputDialog dialog;
    dialog.show();
    SendMouse(&dialog.Panel(), QEvent::MouseButtonPress, {4, 4}, Qt::RightButton);
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
  }

  void pressOnALabelLeavesTheCursorAlone() {
    InputDialog dialog;
    dialog.show();
    const QPoint onLabel = dialog.PromptLabel().geometry().center();
    SendMouse(&dialog.Panel(), QEvent::MouseButtonPress, onLabel, Qt::LeftButton);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }

  void movingOverThePanelRestoresTheArrowOnce() {
    InputDialog dialog;
    dialog.show();
    SendMouse(&dialog.Panel(), QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton);
    SendMouse(&dialog.Panel(), QEvent::MouseMove, {5, 5}, Qt::NoButton);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    SendMouse(&dialog.Panel(), QEvent::MouseMove, {6, 6}, Qt::NoButton);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    // One application-wide setting, not a growing stack of them.
    QGuiApplication::restoreOverrideCursor();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }
};

QTEST_MAIN(InpstrTest)
#include "input_dialog_test.moc"
