// Shows the game's window in the player's language with every read-out at its largest (Powers
// and at large 999, kills 9,999, the clock at 23:59:59), for scripts/screenshot.sh to
// photograph on a real display. Runs until the window is closed.
#include <QApplication>
#include <utility>

#include "ui/program.h"
#include "ui/translations.h"

int main(int argc, char* argv[]) {
  using namespace stonewick;
  Translations translations(LanguagesFromEnvironment());
  QApplication app(argc, argv);
  translations.Install();
  Program program;
  // Showing the window lays out level 1, which writes the read-outs; these come after.
  program.mainWindow.show();
  for (const auto& [readout, number] :
       {std::pair{Readout::Powers, 999}, std::pair{Readout::Clock, 86'399},
        std::pair{Readout::Kills, 9999}, std::pair{Readout::AtLarge, 999}}) {
    program.frontEnd.ShowReadout(readout, WrittenReadout(readout, number));
  }
  return QApplication::exec();
}
