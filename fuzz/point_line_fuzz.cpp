// Any bytes as a line of a coordinate stream: a position read from it must
// be two finite numbers, and a line it refuses must leave them alone.

#include <cmath>
#include <cstdint>
#include <string_view>

#include "geodesy/text/PointLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  constexpr double kSentinel = -7.25;
  double first = kSentinel, second = kSentinel;
  const PointLine kind = ParsePointLine(line, first, second);
  if (kind == PointLine::Point && !(std::isfinite(first) && std::isfinite(second))) __builtin_trap();
  if (kind != PointLine::Point && (first != kSentinel || second != kSentinel)) __builtin_trap();
  double value = kSentinel;
  if (ParseNumberToken(line, value) ? !std::isfinite(value) : value != kSentinel) __builtin_trap();
  return 0;
}
