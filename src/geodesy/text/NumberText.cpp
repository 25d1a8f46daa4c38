#include "geodesy/text/NumberText.h"

#include <algorithm>
#include <cstdlib>

#include "frame/FormatText.h"

namespace {

constexpr int kDefaultDecimals = 2;
// A negative value needs its minus sign and at least two digits.
constexpr int kPlacesForNegative = 3;

double ValueOf(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

}  // namespace

std::string FormatBoundedNumber(double value, int width, int decimals, bool showPlus, bool zeroPadded) {
  if (width <= 0) return {};
  if (decimals < 0) decimals = kDefaultDecimals;

  std::string largest(static_cast<std::size_t>(width), '9');
  const int point = width - 1 - decimals;
  if (decimals > 0 && point >= 0) largest[static_cast<std::size_t>(point)] = '.';
  if (showPlus) largest.front() = '+';
  const double upper = ValueOf(largest);
  double lower = 0.0;
  if (width - decimals >= kPlacesForNegative) {
    std::string smallest = largest;
    smallest.front() = '-';
    lower = ValueOf(smallest);
  }

  const std::string format = FormatText("%c%s%s%d.%dlf", '%', showPlus ? "+" : "", zeroPadded ? "0" : "", width, decimals);
  return FormatText(format.c_str(), std::min(std::max(value, lower), upper));
}

int CountLines(std::string_view text) {
  if (text.empty()) return 0;
  const auto ends = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return text.back() == '\n' ? ends : ends + 1;
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

int HexDigit(char ch) {
  if (IsDigit(ch)) return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return 0;
}

unsigned char HexByte(char high, char low) { return static_cast<unsigned char>(HexDigit(high) * 16 + HexDigit(low)); }

std::string TrimTrailingZeros(std::string_view text) {
  std::string trimmed(text);
  if (trimmed.find('.') == std::string::npos) return trimmed;
  while (trimmed.size() > 1 && (trimmed.back() == '0' || trimmed.back() == ' ')) trimmed.pop_back();
  if (!trimmed.empty() && trimmed.back() == '.') trimmed.pop_back();
  return trimmed;
}
