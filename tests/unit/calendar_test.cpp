// Calendar helpers: leap rules, the 1752 switch, day numbers, comparison, parsing and the
// yyyy-mm-dd date display set at start-up.
#include "lib/calendar.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "lib/padded.h"

namespace stonewick {
namespace {

class CalendarAfterStartUp : public ::testing::Test {
 protected:
  void SetUp() override { calendar.StartUp(); }
  int FebruaryDays(DateRec date) {
    calendar.SetMonthDays(date);
    return calendar.monthDays[2];
  }
  Calendar calendar;
};

TEST(LeapRules, GregorianYearsSkipCenturiesNotDivisibleBy400) {
  EXPECT_FALSE(IsGregorianLeap(1900));
  EXPECT_TRUE(IsGregorianLeap(2000));
  EXPECT_TRUE(IsGregorianLeap(2004));
  EXPECT_FALSE(IsGregorianLeap(2100));
  EXPECT_FALSE(IsGregorianLeap(2001));
}

TEST(LeapRules, JulianYearsAreEveryFourthYearCenturiesIncluded) {
  EXPECT_TRUE(IsJulianLeap(1700));
  EXPECT_TRUE(IsJulianLeap(1900));
  EXPECT_FALSE(IsJulianLeap(1751));
}

TEST_F(CalendarAfterStartUp, StartUpSetsTheReformDatesOfSeptember1752) {
  EXPECT_EQ(calendar.GetReformDate(), (DateRec{1752, 9, 2}));
  EXPECT_EQ(calendar.reformDayNumber, 639798);
  EXPECT_EQ(calendar.newCalendarStart, (DateRec{1752, 9, 14}));
}

TEST_F(CalendarAfterStartUp, FebruaryFollowsJulianRuleUpToReformDateAndGregorianAfter) {
  EXPECT_EQ(FebruaryDays({1700, 3, 1}), 29);
  EXPECT_EQ(FebruaryDays({1752, 9, 2}), 29);
  EXPECT_EQ(FebruaryDays({1800, 3, 1}), 28);
  EXPECT_EQ(FebruaryDays({1900, 3, 1}), 28);
  EXPECT_EQ(FebruaryDays({2000, 3, 1}), 29);
  EXPECT_EQ(FebruaryDays({2014, 3, 1}), 28);
}

TEST_F(CalendarAfterStartUp, SetMonthDaysResetsTheOtherMonthsFromTheCommonYear) {
  calendar.monthDays.fill(7);
  calendar.SetMonthDays({2000, 1, 1});
  EXPECT_EQ(calendar.monthDays,
            (std::array<std::uint16_t, 13>{0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}));
}

TEST_F(CalendarAfterStartUp, DayNumberCountsDaysFromTheFirstOfYearOne) {
  EXPECT_EQ(calendar.DayNumber({1, 1, 1}), 1);
  EXPECT_EQ(calendar.DayNumber({1752, 9, 2}), 639798);
  EXPECT_EQ(calendar.DayNumber({1752, 9, 14}), 639810);
  EXPECT_EQ(calendar.DayNumber({2000, 3, 1}), 730195);
  EXPECT_EQ(calendar.DayNumber({}), 0);
}

TEST_F(CalendarAfterStartUp, DayNumberGivesMonthsAboveTwelveNoDays) {
  const std::int32_t december = calendar.DayNumber({2014, 12, 1});
  EXPECT_EQ(calendar.DayNumber({2014, 13, 1}), december + 31);
  EXPECT_EQ(calendar.DayNumber({2014, 65535, 1}), december + 31);
}

TEST(CompareDates, OrdersByYearThenMonthThenDay) {
  EXPECT_EQ(CompareDates({1752, 9, 2}, {1752, 9, 14}), -1);
  EXPECT_EQ(CompareDates({1752, 9, 14}, {1752, 9, 2}), 1);
  EXPECT_EQ(CompareDates({2000, 1, 31}, {1999, 12, 1}), 1);
  EXPECT_EQ(CompareDates({2000, 2, 1}, {2000, 1, 31}), 1);
  EXPECT_EQ(CompareDates({1752, 9, 2}, {1752, 9, 2}), 0);
}

TEST(CompareDates, ADateIsNotAfterItself) {
  const DateRec date{1752, 9, 2};
  EXPECT_FALSE(DateIsAfter(date, date));
  EXPECT_TRUE(DateNotAfter(date, date));
  EXPECT_TRUE(DateIsAfter({1752, 9, 3}, date));
  EXPECT_FALSE(DateNotAfter({1752, 9, 3}, date));
}

TEST(TryParseField, ReadsASignedNumberIntoItsLow16Bits) {
  std::uint16_t field = 0;
  EXPECT_TRUE(TryParseField("2014", field));
  EXPECT_EQ(field, 2014);
  EXPECT_TRUE(TryParseField("+7", field));
  EXPECT_EQ(field, 7);
  EXPECT_TRUE(TryParseField("-1", field));
  EXPECT_EQ(field, 65535);
  EXPECT_TRUE(TryParseField("70000", field));
  EXPECT_EQ(field, 4464);
  EXPECT_TRUE(TryParseField(" 9", field));
  EXPECT_EQ(field, 9);
}

TEST(TryParseField, FailsWithoutTouchingTheFieldOnAnyBadText) {
  std::uint16_t field = 42;
  for (const char* text :
       {"", " ", "-", "+", "+-3", "1x", "x1", "9 ", "99999999999", "2147483648", "-2147483649"}) {
    EXPECT_FALSE(TryParseField(text, field)) << '"' << text << '"';
  }
  EXPECT_EQ(field, 42);
}

TEST(ParseDate, ReadsYearMonthAndDayByPosition) {
  EXPECT_EQ(ParseDate("2014-09-20"), (DateRec{2014, 9, 20}));
  EXPECT_EQ(ParseDate("2014-09-20 and more"), (DateRec{2014, 9, 20}));
  EXPECT_EQ(ParseDate("2014x13y45"), (DateRec{2014, 13, 45}));
}

TEST(ParseDate, GivesTheZeroDateForTextThatIsNoDate) {
  EXPECT_EQ(ParseDate("2014-9-20"), DateRec{});
  EXPECT_EQ(ParseDate("YYYY-MM-DD"), DateRec{});
  EXPECT_EQ(ParseDate("yyyy-mm-dd"), DateRec{});
  EXPECT_EQ(ParseDate("2014-09-2x"), DateRec{});
  EXPECT_EQ(ParseDate("2014-09-  "), DateRec{});
}

TEST(TryParseDate, LeavesTheDateAloneWhenParsingFails) {
  DateRec date{1, 2, 3};
  EXPECT_FALSE(TryParseDate("2014-09-2x", date));
  EXPECT_EQ(date, (DateRec{1, 2, 3}));
  EXPECT_TRUE(TryParseDate("1752-09-14", date));
  EXPECT_EQ(date, (DateRec{1752, 9, 14}));
}

TEST(DateDisplay, StartUpMakesShortDatesReadYearMonthDayJoinedByDashes) {
  Calendar calendar;
  EXPECT_EQ(calendar.ShortDate(2014, 9, 20), "9/20/2014");
  calendar.StartUp();
  EXPECT_EQ(calendar.shortDateFormat, "yyyy/mm/dd");
  EXPECT_EQ(calendar.dateSeparator, '-');
  EXPECT_EQ(calendar.ShortDate(2014, 9, 20), "2014-09-20");
  EXPECT_EQ(calendar.ShortDate(987, 1, 2), "0987-01-02");
}

TEST(DateDisplay, SlashInTheFormatStandsForTheDateSeparator) {
  EXPECT_EQ(FormatDate("dd/mm/yy", '.', 2014, 9, 20), "20.09.14");
  EXPECT_EQ(FormatDate("d m yyyy", '-', 2014, 9, 5), "5 9 2014");
}

TEST(Padded, PutsZerosAfterTheSignUpToTheWidthAndNeverCutsDigits) {
  EXPECT_EQ(Padded(7, 2), "07");
  EXPECT_EQ(Padded(-5, 4), "-005");
  EXPECT_EQ(Padded(2026, 2), "2026");
  EXPECT_EQ(Padded(0, 0), "0");
  EXPECT_EQ(Padded(std::numeric_limits<long long>::min(), 1), "-9223372036854775808");
}

TEST(ProgramFolder, IsTheRunningProgramsFolderWithATrailingSlash) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(std::filesystem::path(folder + "x").parent_path(),
            std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace stonewick
