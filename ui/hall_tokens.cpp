// The hall tokens file: one line a name, "HALL<TAB>NAME<TAB>TOKEN"; a name holds no tab.
#include "ui/hall_tokens.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace stonewick {

HallTokens::HallTokens(QString path) : path_(std::move(path)) {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    return;
  }
  QTextStream in(&file);
  QString line;
  while (in.readLineInto(&line)) {
    const QStringList fields = line.split('\t');
    if (fields.size() == 3 && !fields[0].isEmpty() && !fields[1].isEmpty()) {
      entries_.append({fields[0], fields[1], fields[2]});
    }
  }
}

QString HallTokens::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/stonewick/hall-tokens";
}

QString HallTokens::NameFor(const QString& hallUrl) const {
  for (auto entry = entries_.crbegin(); entry != entries_.crend(); ++entry) {
    if (entry->hallUrl == hallUrl) {
      return entry->name;
    }
  }
  return {};
}

QString HallTokens::TokenFor(const QString& hallUrl, const QString& name) const {
  for (const Entry& entry : entries_) {
    if (entry.hallUrl == hallUrl && entry.name == name) {
      return entry.token;
    }
  }
  return {};
}

bool HallTokens::Remember(const QString& hallUrl, const QString& name, const QString& token) {
  Entry remembered{hallUrl, name, token.isEmpty() ? TokenFor(hallUrl, name) : token};
  entries_.removeIf(
      [&](const Entry& entry) { return entry.hallUrl == hallUrl && entry.name == name; });
  entries_.append(remembered);
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QFile file(path_);
  // The tokens are secrets: only the user may read them, from before anything is written.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) ||
      !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
    return false;
  }
  QTextStream out(&file);
  for (const Entry& entry : entries_) {
    out << entry.hallUrl << '\t' << entry.name << '\t' << entry.token << '\n';
  }
  out.flush();
  return file.error() == QFileDevice::NoError;
}

}  // namespace stonewick
