#pragma once
// Display text of the date numbers of wreck records (YYYY, YYYYMM or
// YYYYMMDD, 0 unknown).

#include <string>

#include "frame/Api.h"

struct DateTextResult {
  std::string text;  // "1917", "May 1917", "12 May 1917", or empty
  int year = 0;      // 0 when the number holds no year
};

OVERLAYS_API DateTextResult DateText(long long dateNumber);

// The year DateText gives, without building the text: the database reader
// needs it for every record.
int DateYear(long long dateNumber);

// "%d %b %Y" in the C locale: "12 May 1917", "01 May 1917". Empty unless the
// day is 1..31, the month 1..12 and the year 1900 or later.
OVERLAYS_API std::string FormatDayMonthYear(int day, int month, int year);
