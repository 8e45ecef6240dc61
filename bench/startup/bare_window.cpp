// The yardstick for the game's start-up: a bare Qt Widgets window of the same shape (a menu
// bar of eight commands, a painted 352 by 352 square and six labels) with the same
// first-paint probe, so both programs are timed and weighed the same way.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/first_paint.h"

using namespace stonewick;

namespace {

class Square : public QWidget {
 public:
  explicit Square(QWidget* parent) : QWidget(parent) { setFixedSize(352, 352); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::black);
    if (!painted_) {
      painted_ = true;
      if (FirstPaintProbeRequested()) {
        ReportFirstPaintAndQuit();
      }
    }
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare window");
  QMenuBar bar(&window);
  for (const char* name :
       {"Exit", "Instructions", "Start", "Pause", "Randomise", "Skip", "Auto", "About"}) {
    bar.addAction(name);
  }
  QWidget client(&window);
  Square square(&client);
  square.move(14, 38);
  QLabel labels[6] = {QLabel("Powers : 0", &client),   QLabel("Clock : 0", &client),
                      QLabel("Level : 0", &client),    QLabel("Kills : 0", &client),
                      QLabel("At large : 0", &client), QLabel("Ivl : 399", &client)};
  for (int i = 0; i < 6; ++i) {
    labels[i].move(14 + 60 * i, 408);
  }
  QVBoxLayout layout(&window);
  layout.setContentsMargins(0, 0, 0, 0);
  layout.setMenuBar(&bar);
  layout.addWidget(&client);
  window.resize(387, 453);  // the same client size as the game: 395 by 480 outside
  window.move(482, 249);
  window.show();
  return QApplication::exec();
}
