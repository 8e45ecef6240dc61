// Converts Qt's clock to the rules' day counts, and takes the zone out of a time format.
#include "ui/clock_text.h"

#include "lib/play_clock.h"

namespace stonewick {

double DaysSinceEpoch(const QDateTime& local) {
  static const QDate epoch(1899, 12, 30);
  return static_cast<double>(epoch.daysTo(local.date())) +
         local.time().msecsSinceStartOfDay() / static_cast<double>(kMsPerDay);
}

QString WithoutTimeZone(const QString& format) {
  QString kept;
  bool quoted = false;
  for (const QChar c : format) {
    if (c == u'\'') {
      quoted = !quoted;
    }
    if (!quoted && c == u't') {
      continue;
    }
    kept += c;
  }
  return kept.simplified();
}

QString LongTimeFormatWithoutZone(const QLocale& locale) {
  return WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
}

}  // namespace stonewick
