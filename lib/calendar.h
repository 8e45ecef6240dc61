// Calendar helpers: dates of year, month and day, the Julian and Gregorian leap rules with
// the switch of September 1752, running day numbers, "yyyy-mm-dd" parsing and date display.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace stonewick {

// Year, month (1 = January) and day. All three 0 is the zero date: no date.
struct DateRec {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t day = 0;
  friend bool operator==(const DateRec&, const DateRec&) = default;
};

// Days of each month in a common year; entry 0 stands for "no month".
inline constexpr std::array<std::uint16_t, 13> kMonthDays = {0,  31, 28, 31, 30, 31, 30,
                                                             31, 31, 30, 31, 30, 31};

bool IsJulianLeap(std::int32_t year);
bool IsGregorianLeap(std::int32_t year);

// -1 when a is earlier, +1 when later, 0 when all fields are equal.
int CompareDates(DateRec a, DateRec b);
bool DateIsAfter(DateRec a, DateRec b);
bool DateNotAfter(DateRec a, DateRec b);

// One signed decimal number; its low 16 bits go to field. False for empty text, stray
// characters or a number outside the 32-bit range; field is then left alone.
bool TryParseField(std::string_view text, std::uint16_t& field);
// "yyyy-mm-dd" read by position; values are not range-checked. date is left alone on failure.
bool TryParseDate(std::string_view text, DateRec& date);
// The parsed date, or the zero date when the text is no date.
DateRec ParseDate(std::string_view text);

// Folder of the running program, up to and including the last '/'.
std::string ProgramFolder();

// Formats a date with a short date format in which "yyyy"/"yy", "mm"/"m" and "dd"/"d" stand
// for year, month and day, and '/' for the date separator; other characters are copied.
std::string FormatDate(std::string_view shortDateFormat, char dateSeparator, int year, int month,
                       int day);

// The calendar's working state and the program's date display settings.
struct Calendar {
  std::array<std::uint16_t, 13> monthDays = kMonthDays;  // scratch, rewritten per call
  DateRec reformDate;                                    // last date under the Julian rule
  std::int32_t reformDayNumber = 0;
  DateRec newCalendarStart;  // first date of the new calendar
  std::string programFolder;
  // Until StartUp these follow a plain month/day/year habit, as an unconfigured locale would.
  char dateSeparator = '/';
  std::string shortDateFormat = "m/d/yyyy";

  // Fills monthDays for the date's year, leap February under the rule in force on that date.
  void SetMonthDays(DateRec date);
  // Days since the start of year 1 (0001-01-01 is day 1). Months above 12 have no days.
  std::int32_t DayNumber(DateRec date);
  void SetReformDate(DateRec date);
  DateRec GetReformDate() const { return reformDate; }

  // Run once before any window exists: dates show as yyyy-mm-dd from then on, and the
  // reform dates are set.
  void StartUp();

  // A date in the program's short date format, for example 2014-09-20 after StartUp.
  std::string ShortDate(int year, int month, int day) const;
};

// The program's one calendar, set up by StartUp at program start.
Calendar& TheCalendar();

}  // namespace stonewick
