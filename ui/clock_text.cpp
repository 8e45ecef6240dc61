// Converts between Qt's clock and the rules' day counts, and formats times of day.
#include "ui/clock_text.h"

#include <QTime>
#include <cmath>

namespace stonewick {

namespace {

constexpr double kMsPerDay = 86'400'000.0;

}  // namespace

double DaysSinceEpoch(const QDateTime& local) {
  static const QDate epoch(1899, 12, 30);
  return static_cast<double>(epoch.daysTo(local.date())) +
         local.time().msecsSinceStartOfDay() / kMsPerDay;
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

QString TimeOfDayText(double days, const QString& format, const QLocale& locale) {
  // Only the time of day counts; a negative date-time keeps its fraction as a positive time.
  const double fraction = std::fabs(days - std::trunc(days));
  const double ms = std::round(fraction * kMsPerDay);
  const int msOfDay = ms >= kMsPerDay || !std::isfinite(ms) ? 0 : static_cast<int>(ms);
  return locale.toString(QTime::fromMSecsSinceStartOfDay(msOfDay), format);
}

}  // namespace stonewick
