#include "tables/value_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/day_count.h"
#include "common/error.h"

namespace kvadrix::tables {
namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool ParseInteger(std::string_view text, int64_t& value) {
  const size_t digits_from = !text.empty() && text[0] == '-' ? 1 : 0;
  if (text.size() == digits_from || !IsDigit(text[digits_from])) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool ParseTerminatedInteger(const char* text, int64_t& value) {
  const char* digit = text[0] == '-' ? text + 1 : text;
  int64_t magnitude = 0;
  int count = 0;
  for (; IsDigit(*digit) && count < 18; ++digit, ++count)
    magnitude = magnitude * 10 + (*digit - '0');
  if (count == 0) return false;
  if (*digit != '\0') return ParseInteger(text, value);  // long or malformed: the careful way
  value = text[0] == '-' ? -magnitude : magnitude;
  return true;
}

void AppendInteger(std::string& out, int64_t value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

bool ParseFileDate(std::string_view text, int32_t& day) {
  if (text.size() != 8) return false;
  int digits[8];
  for (int i = 0; i < 8; ++i) {
    if (!IsDigit(text[i])) return false;
    digits[i] = text[i] - '0';
  }
  const int year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
  const int month = digits[4] * 10 + digits[5];
  const int dom = digits[6] * 10 + digits[7];
  if (year < 1 || month < 1 || month > 12 || dom < 1 || dom > DaysInMonth(year, month)) {
    return false;
  }
  day = DaysFromCivil({year, month, dom});
  return true;
}

void AppendFileDate(std::string& out, int32_t day) {
  const CivilDate date = CivilFromDays(day);
  char buffer[16];
  const int length =
      std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
  out.append(buffer, static_cast<size_t>(length));
}

std::string DisplayDate(int32_t day) {
  const CivilDate date = CivilFromDays(day);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buffer;
}

int32_t CalendarDay(double day_count) {
  if (!(day_count >= kFirstDay - 1.0 && day_count <= kLastDay + 1.0)) {
    throw Error("A dátum kívül esik az 1. és a 9999. év közötti tartományon.");
  }
  const auto milliseconds = std::llround(day_count * static_cast<double>(kMillisecondsPerDay));
  // Floor division: the day before day 0 starts at -1, not at 0.
  int64_t day = milliseconds / kMillisecondsPerDay;
  if (milliseconds % kMillisecondsPerDay < 0) --day;
  if (day < kFirstDay || day > kLastDay) {
    throw Error("A dátum kívül esik az 1. és a 9999. év közötti tartományon.");
  }
  return static_cast<int32_t>(day);
}

bool ParseBoolean(std::string_view text, bool& value) {
  if (text.empty()) return false;
  if (text[0] == 'T' || text[0] == 't') {
    value = true;
  } else if (text[0] == 'F' || text[0] == 'f') {
    value = false;
  } else {
    return false;
  }
  return true;
}

}  // namespace kvadrix::tables
