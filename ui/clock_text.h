// Date-times as the rules count them (days since 1899-12-30, the time of day as the
// fraction) and the system's long time format without its zone.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace stonewick {

double DaysSinceEpoch(const QDateTime& local);
// A Qt time format with its time-zone part ('t' outside quotes) taken out.
QString WithoutTimeZone(const QString& format);
QString LongTimeFormatWithoutZone(const QLocale& locale);

}  // namespace stonewick
