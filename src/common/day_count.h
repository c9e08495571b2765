#pragma once
// Calendar dates on the program's date-time scale (day 0 = 30 December 1899).
namespace kvadrix {

struct CivilDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};

// Whole days from 30 December 1899 to the given date (negative before it).
int DaysFromCivil(CivilDate date);
CivilDate CivilFromDays(int days);

}  // namespace kvadrix
