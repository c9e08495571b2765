#pragma once
// Text forms of the values: decimal integers, dates, booleans.
#include <cstdint>
#include <string>
#include <string_view>

namespace kvadrix::tables {

// The text between double quotes, as messages show names and values.
inline std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

// Decimal digits with an optional leading "-"; nothing else, no spaces.
bool ParseInteger(std::string_view text, int64_t& value);
// The same for a NUL-terminated text, without measuring it first (the reader's hot path).
bool ParseTerminatedInteger(const char* text, int64_t& value);
void AppendInteger(std::string& out, int64_t value);

// Dates are held as day counts (day 0 = 30 December 1899) between year 1 and year 9999.
inline constexpr int32_t kFirstDay = -693593;  // 1 January 1
inline constexpr int32_t kLastDay = 2958465;   // 31 December 9999

// The file form: "%04d%02d%02d".
bool ParseFileDate(std::string_view text, int32_t& day);
void AppendFileDate(std::string& out, int32_t day);
std::string DisplayDate(int32_t day);  // "2006-12-07"

// The calendar day of a date-time, after rounding it to the nearest millisecond.
// Throws kvadrix::Error for a value outside the years 1 to 9999.
int32_t CalendarDay(double day_count);

// True when the first character is "T" or "t", false for "F" or "f"; otherwise no boolean.
bool ParseBoolean(std::string_view text, bool& value);
inline std::string_view BooleanText(bool value) { return value ? "TRUE" : "FALSE"; }

}  // namespace kvadrix::tables
