// Days and their seeds.
#include "hall/daily_board.h"

#include <chrono>
#include <cstdio>

#include "hall/secrets.h"

namespace stonewick::hall {

std::string DayOf(std::int64_t secondsSince1970) {
  using namespace std::chrono;
  const year_month_day date{floor<days>(sys_seconds{seconds{secondsSince1970}})};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  return text;
}

bool IsDay(const std::string& day) {
  int year = 0;
  unsigned month = 0;
  unsigned dayOfMonth = 0;
  char rest = 0;
  if (day.size() != 10 ||
      std::sscanf(day.c_str(), "%4d-%2u-%2u%c", &year, &month, &dayOfMonth, &rest) != 3) {
    return false;
  }
  const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                         std::chrono::day{dayOfMonth}};
  return date.ok() && day[4] == '-' && day[7] == '-';
}

std::uint32_t DailySeed(const std::string& day) {
  const std::string hash = Sha256Hex("stonewick daily " + day);
  return static_cast<std::uint32_t>(std::stoul(hash.substr(0, 8), nullptr, 16));
}

}  // namespace stonewick::hall
