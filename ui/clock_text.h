// Date-times as the rules count them (days since 1899-12-30, the time of day as the
// fraction) and times of day in the system's long time format.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace stonewick {

double DaysSinceEpoch(const QDateTime& local);
// A Qt time format with its time-zone part ('t' outside quotes) taken out: the clock label
// shows a span of play time, which has no zone.
QString WithoutTimeZone(const QString& format);
QString LongTimeFormatWithoutZone(const QLocale& locale);
// The fraction of `days` as a time of day in `format`.
QString TimeOfDayText(double days, const QString& format, const QLocale& locale);

}  // namespace stonewick
