// The languages the window speaks: English, its own, then each catalogue it carries.
#pragma once

#include <QDir>
#include <QStringList>

inline QStringList WindowLanguages() {
  QStringList languages{"en"};
  for (const QString& catalogue : QDir(":/i18n").entryList()) {
    languages << catalogue.section(u'_', 1).section(u'.', 0, 0);
  }
  return languages;
}
