#include "GridAddress.h"

#include <charconv>
#include <cmath>

#include "HostMachine.h"

namespace host {
namespace {

bool ReadNumber(const char*& p, const char* end, std::uint32_t& value) {
  const auto [next, error] = std::from_chars(p, end, value);
  if (error != std::errc() || next == p) return false;
  p = next;
  return true;
}

}  // namespace

GridAddress ParseGridAddress(const std::string& text) {
  GridAddress a;
  const char *p = text.data(), *end = p + text.size();
  const bool ok = ReadNumber(p, end, a.kind) && p != end && *p++ == ':' && ReadNumber(p, end, a.row) &&
                  (p == end || (*p++ == ':' && ReadNumber(p, end, a.variant) && p == end));
  if (!ok) throw CommandError("'" + text + "' is not a grid: give KIND:ROW or KIND:ROW:VARIANT, as 'overlays grids' lists them");
  return a;
}

// Catalogue kind 0 lists the UTM zones by number, variant 1 south.
GridAddress UtmZoneGrid(double latDegrees, double lonDegrees) {
  const double lon = std::remainder(lonDegrees, 360);
  const auto zone = static_cast<std::uint32_t>(std::floor((lon + 180) / 6)) % 60 + 1;
  return {0, zone, latDegrees < 0 ? 1u : 0u};
}

}  // namespace host
