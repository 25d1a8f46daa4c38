#include "geodesy/angle/AngleKind.h"

#include <iterator>

namespace {

using enum AngleSign;

constexpr AngleKindDef kAngleKinds[] = {
    // kind, sign, limits, template values, default decimals, decimal degrees
    // only, degree digits by format, quarter turn
    {1, Leading, 360, 400, 179, 199, -1, false, {3, 3, 3, 3, 3}, false},
    {2, None, 360, 400, 359, 399, -1, false, {3, 3, 3, 3, 3}, false},
    {3, Leading, 90, 100, 89, 99, -1, false, {2, 2, 2, 2, 3}, false},
    {4, None, 180, 200, 179, 199, -1, false, {3, 3, 3, 3, 3}, true},
    // Formats 3 and 4 of latitudes and format 3 of longitudes carry a sign
    // in front, which takes one more place.
    {5, Latitude, 90, 100, 89, 99, -1, false, {2, 2, 2, 3, 3}, false},
    {6, Longitude, 180, 200, 179, 199, -1, false, {3, 3, 3, 4, 3}, false},
    {7, None, 360, 400, 359, 399, 2, true, {3, 3, 3, 3, 3}, false},
    {8, Leading, 90, 100, 89, 99, 2, true, {2, 2, 2, 2, 3}, false},
    {9, Leading, 180, 200, 179, 199, 2, true, {3, 3, 3, 3, 3}, false},
};
static_assert(std::size(kAngleKinds) == 9, "one row per angle kind");

}  // namespace

const AngleKindDef* FindAngleKind(int kind) {
  for (const auto& def : kAngleKinds)
    if (def.kind == kind) return &def;
  return nullptr;
}
