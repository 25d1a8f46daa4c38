#include "geodesy/text/PointLine.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr std::string_view kBlanks = " \t";

// The next blank-delimited token, taken off the front of text.
std::string_view TakeToken(std::string_view& text) {
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) {
    text = {};
    return {};
  }
  text.remove_prefix(start);
  const std::size_t end = std::min(text.find_first_of(kBlanks), text.size());
  const std::string_view token = text.substr(0, end);
  text.remove_prefix(end);
  return token;
}

}  // namespace

bool ParseNumberToken(std::string_view token, double& value) {
  // from_chars takes a minus sign but not a plus.
  if (token.size() > 1 && token.front() == '+' && token[1] != '-') token.remove_prefix(1);
  double parsed = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), parsed);
  if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

PointLine ParsePointLine(std::string_view line, double& first, double& second) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::string_view rest = line;
  const std::string_view a = TakeToken(rest);
  if (a.empty() || a.front() == '#') return PointLine::Blank;
  const std::string_view b = TakeToken(rest);
  double x = 0, y = 0;
  if (!ParseNumberToken(a, x) || !ParseNumberToken(b, y) || !TakeToken(rest).empty()) return PointLine::Malformed;
  first = x;
  second = y;
  return PointLine::Point;
}
