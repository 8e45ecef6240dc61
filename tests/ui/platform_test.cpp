// The choice of Qt platform from the environment: the user's setting first, then xcb where an
// X display can be reached, else Qt's own choice.
#include "ui/platform.h"

#include <QTest>
#include <set>
#include <string>

using namespace stonewick;

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void platformFollowsTheUserThenAReachableXDisplay_data() {
    QTest::addColumn<QString>("qpaPlatform");
    QTest::addColumn<bool>("platformArgument");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("waylandSession");
    QTest::addColumn<QString>("chosen");  // empty: Qt's own choice
    // The sockets of the X displays that run: :0 and :2.
    QTest::newRow("X11 desktop") << "" << false << ":0" << false << "xcb";
    QTest::newRow("screen number") << "" << false << ":0.1" << false << "xcb";
    QTest::newRow("unix socket named") << "" << false << "unix:2" << false << "xcb";
    QTest::newRow("Wayland desktop with XWayland") << "" << false << ":0" << true << "xcb;wayland";
    QTest::newRow("display on another host") << "" << false << "localhost:10.0" << false << "xcb";
    QTest::newRow("user's platform wins") << "wayland" << false << ":0" << true << "";
    QTest::newRow("user's -platform wins") << "" << true << ":0" << true << "";
    QTest::newRow("Wayland without XWayland") << "" << false << "" << true << "";
    QTest::newRow("display that is not running") << "" << false << ":99999" << false << "";
    QTest::newRow("no display at all") << "" << false << "" << false << "";
    QTest::newRow("display name without a number") << "" << false << "localhost:" << false << "";
  }
  void platformFollowsTheUserThenAReachableXDisplay() {
    QFETCH(QString, qpaPlatform);
    QFETCH(bool, platformArgument);
    QFETCH(QString, display);
    QFETCH(bool, waylandSession);
    QFETCH(QString, chosen);
    const std::set<std::string> sockets = {"/tmp/.X11-unix/X0", "/tmp/.X11-unix/X2"};
    PlatformInputs inputs;
    inputs.qpaPlatform = qpaPlatform.toStdString();
    inputs.platformArgument = platformArgument;
    inputs.xDisplayReachable =
        XDisplayReachable(display.toStdString(),
                          [&sockets](const std::string& path) { return sockets.contains(path); });
    inputs.waylandSession = waylandSession;
    QCOMPARE(QString::fromStdString(ChoosePlatform(inputs).value_or("")), chosen);
  }
};

QTEST_APPLESS_MAIN(PlatformTest)
#include "platform_test.moc"
