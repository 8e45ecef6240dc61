// Loading the hall client module, and the folder of the games recorded for the hall.
#include "ui/hall_client.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>

namespace stonewick {

const HallModule* LoadHallModule(QString& error) {
  const QString programFolder = QCoreApplication::applicationDirPath();
  // Beside the program in the build folder; from the installed program's folder (bin or
  // games) to the library folder under the same prefix.
  for (const QString& path :
       {programFolder + "/" STONEWICK_HALL_MODULE_FILE,
        programFolder + "/" STONEWICK_HALL_MODULE_FROM_PROGRAM "/" STONEWICK_HALL_MODULE_FILE}) {
    if (!QFileInfo::exists(path)) {
      continue;
    }
    // Never unloaded: the module's code runs until the program ends.
    QLibrary library(path);
    using Entry = const HallModule* (*)();
    if (auto entry = reinterpret_cast<Entry>(library.resolve(kHallModuleEntry))) {
      return entry();
    }
    error = library.errorString();
    return nullptr;
  }
  error = QStringLiteral("the hall client %1 is not installed beside %2")
              .arg(STONEWICK_HALL_MODULE_FILE, programFolder);
  return nullptr;
}

QString HallRecordingPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         "/stonewick/hall-games";
  QDir().mkpath(folder);
  return folder + "/" + QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmmss") + ".txt";
}

}  // namespace stonewick
