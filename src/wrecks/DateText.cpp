#include "wrecks/DateText.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <locale.h>

namespace {

int NumberAt(const std::string& digits, std::size_t at, std::size_t count) {
  return std::atoi(digits.substr(at, count).c_str());
}

// The month names must not follow the user's locale: the module's texts are
// English whatever the machine's language.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return c;
}

}  // namespace

std::string FormatDayMonthYear(int day, int month, int year) {
  if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1900) return {};
  std::tm tm{};
  tm.tm_mday = day;
  tm.tm_mon = month - 1;
  tm.tm_year = year - 1900;
  char text[64];
  const std::size_t n = strftime_l(text, sizeof text, "%d %b %Y", &tm, CLocale());
  return std::string(text, n);
}

int DateYear(long long dateNumber) {
  // The first four characters of the decimal text, as DateText reads them;
  // numbers of fewer than four characters hold no year.
  if (dateNumber >= 1000) {
    while (dateNumber >= 10000) dateNumber /= 10;
    return static_cast<int>(dateNumber);
  }
  if (dateNumber > -100) return 0;
  return DateText(dateNumber).year;
}

DateTextResult DateText(long long dateNumber) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld", dateNumber);
  const std::string digits = buffer;
  DateTextResult result;
  if (digits.size() < 4) return result;
  result.year = NumberAt(digits, 0, 4);
  if (digits.size() < 6) {
    std::snprintf(buffer, sizeof buffer, "%04d", result.year);
    result.text = buffer;
    return result;
  }
  const int month = NumberAt(digits, 4, 2);
  if (digits.size() < 8) {
    const std::string full = FormatDayMonthYear(1, month, result.year);
    result.text = full.size() > 3 ? full.substr(3) : std::string();
    return result;
  }
  result.text = FormatDayMonthYear(NumberAt(digits, 6, 2), month, result.year);
  return result;
}
