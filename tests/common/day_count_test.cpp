#include "common/day_count.h"

#include <gtest/gtest.h>

namespace kvadrix {
namespace {

// Known days of the scale on both sides of leap days, of a century that is not a leap year and
// of one that is, and every day of two whole leap years there and back.
TEST(DayCount, KnownDatesAndEveryDayAroundLeapDays) {
  const struct {
    CivilDate date;
    int days;
  } known[] = {
      {{1899, 12, 1}, -29},   {{1899, 12, 30}, 0},   {{1900, 1, 1}, 2},
      {{1900, 2, 28}, 60},    {{1900, 3, 1}, 61},    {{2000, 1, 31}, 36556},
      {{2000, 2, 29}, 36585}, {{2000, 3, 1}, 36586}, {{2023, 1, 15}, 44941},
      {{2024, 2, 29}, 45351}, {{2024, 3, 1}, 45352}, {{2100, 2, 28}, 73109},
      {{2100, 3, 1}, 73110},
  };
  for (const auto& [date, days] : known) {
    SCOPED_TRACE(std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
                 std::to_string(date.day));
    EXPECT_EQ(DaysFromCivil(date), days);
    const CivilDate back = CivilFromDays(days);
    EXPECT_EQ(back.year, date.year);
    EXPECT_EQ(back.month, date.month);
    EXPECT_EQ(back.day, date.day);
  }
  constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (const int year : {2000, 2024}) {
    int days = DaysFromCivil({year, 1, 1});
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= kMonthDays[month - 1]; ++day, ++days) {
        ASSERT_EQ(DaysFromCivil({year, month, day}), days) << month << "/" << day;
        const CivilDate back = CivilFromDays(days);
        ASSERT_TRUE(back.year == year && back.month == month && back.day == day) << days;
      }
    }
    EXPECT_EQ(days, DaysFromCivil({year + 1, 1, 1}));
  }
}

}  // namespace
}  // namespace kvadrix
