// Calendar helpers: leap rules, day numbers, date comparison, parsing and date display.
#include "lib/calendar.h"

#include <cctype>
#include <charconv>
#include <filesystem>
#include <limits>
#include <system_error>

#include "lib/padded.h"

namespace stonewick {

bool IsJulianLeap(std::int32_t year) {
  return year % 4 == 0;
}

bool IsGregorianLeap(std::int32_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int CompareDates(DateRec a, DateRec b) {
  if (a.year != b.year) {
    return a.year < b.year ? -1 : 1;
  }
  if (a.month != b.month) {
    return a.month < b.month ? -1 : 1;
  }
  if (a.day != b.day) {
    return a.day < b.day ? -1 : 1;
  }
  return 0;
}

bool DateIsAfter(DateRec a, DateRec b) {
  return CompareDates(a, b) == 1;
}

bool DateNotAfter(DateRec a, DateRec b) {
  return !DateIsAfter(a, b);
}

bool TryParseField(std::string_view text, std::uint16_t& field) {
  // Leading blanks and one sign are allowed, as in the usual string-to-integer conversions;
  // anything else, including a number too large for 32 bits, is a failed conversion.
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') {
    ++start;
  }
  text.remove_prefix(start);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
      return false;
    }
  }
  if (text.empty()) {
    return false;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return false;
  }
  field = static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
  return true;
}

bool TryParseDate(std::string_view text, DateRec& date) {
  if (text.size() < 10) {
    return false;
  }
  std::string lower(text);
  for (char& c : lower) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  if (lower == "yyyy-mm-dd") {
    return false;  // the template itself is no date
  }
  DateRec parsed;
  if (!TryParseField(text.substr(0, 4), parsed.year) ||
      !TryParseField(text.substr(5, 2), parsed.month) ||
      !TryParseField(text.substr(8, 2), parsed.day)) {
    return false;
  }
  date = parsed;
  return true;
}

DateRec ParseDate(std::string_view text) {
  DateRec date;
  if (!TryParseDate(text, date)) {
    return DateRec{};
  }
  return date;
}

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return {};
  }
  std::string folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') {
    folder += '/';
  }
  return folder;
}

namespace {

// Length of the run of c starting at text[i].
std::size_t RunLength(std::string_view text, std::size_t i) {
  std::size_t n = 0;
  while (i + n < text.size() && std::tolower(static_cast<unsigned char>(text[i + n])) ==
                                    std::tolower(static_cast<unsigned char>(text[i]))) {
    ++n;
  }
  return n;
}

}  // namespace

std::string FormatDate(std::string_view shortDateFormat, char dateSeparator, int year, int month,
                       int day) {
  std::string out;
  std::size_t i = 0;
  while (i < shortDateFormat.size()) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(shortDateFormat[i])));
    const std::size_t run = RunLength(shortDateFormat, i);
    if (c == 'y') {
      out += run >= 3 ? Padded(year, 4) : Padded(year % 100, 2);
    } else if (c == 'm') {
      out += run >= 2 ? Padded(month, 2) : std::to_string(month);
    } else if (c == 'd') {
      out += run >= 2 ? Padded(day, 2) : std::to_string(day);
    } else if (c == '/') {
      out.append(run, dateSeparator);
    } else {
      out.append(shortDateFormat.substr(i, run));
    }
    i += run;
  }
  return out;
}

void Calendar::SetMonthDays(DateRec date) {
  monthDays = kMonthDays;
  const bool leap =
      DateNotAfter(date, reformDate) ? IsJulianLeap(date.year) : IsGregorianLeap(date.year);
  if (leap) {
    monthDays[2] = 29;
  }
}

std::int32_t Calendar::DayNumber(DateRec date) {
  // Earlier years always count under the divisible-by-4 rule; the switch drops no days.
  std::int32_t days = 0;
  if (date.year > 1) {
    const std::int32_t years = date.year - 1;
    days = years * 365 + years / 4;
  }
  SetMonthDays(date);
  // A parsed date may carry a month above 12; such months have no days of their own.
  for (std::size_t month = 1; month < date.month && month < monthDays.size(); ++month) {
    days += monthDays[month];
  }
  return days + date.day;
}

void Calendar::SetReformDate(DateRec date) {
  reformDate = date;
  reformDayNumber = DayNumber(date);
}

void Calendar::StartUp() {
  dateSeparator = '-';
  shortDateFormat = "yyyy/mm/dd";
  programFolder = ProgramFolder();
  SetReformDate(ParseDate("1752-09-02"));
  newCalendarStart = ParseDate("1752-09-14");
}

std::string Calendar::ShortDate(int year, int month, int day) const {
  return FormatDate(shortDateFormat, dateSeparator, year, month, day);
}

Calendar& TheCalendar() {
  static Calendar calendar;
  return calendar;
}

}  // namespace stonewick
