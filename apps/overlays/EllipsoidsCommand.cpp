// overlays ellipsoids: the built-in ellipsoid table with the derived
// semi-minor axis and first eccentricity squared.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "Host.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace host {
namespace {

// The shortest text that reads back as the same double: the table's own
// digits, where "%.17g" would add the noise of the binary value.
std::string InverseFlatteningText(double invFlattening) {
  if (std::isinf(invFlattening)) return "sphere";
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, invFlattening).ptr;
  return std::string(text, end);
}

void PrintEllipsoids() {
  std::printf("%-3s %-5s %-34s %-24s %17s %20s %17s %16s\n", "row", "code", "name", "qualifier", "a (m)", "1/f",
              "b (m)", "e^2");
  CSpheroid s;
  for (std::uint32_t row = 0; row < kEllipsoidTable.size(); ++row) {
    s.SelectSpheroid(row);
    std::printf("%-3u %-5d %-34s %-24s %17.9f %20s %17.9f %16.14f\n", static_cast<unsigned>(row), s.code,
                Out(s.name).c_str(), Out(s.qualifier).c_str(), s.a, InverseFlatteningText(s.invFlattening).c_str(), s.b,
                s.derived.es);
  }
}

}  // namespace

void AddEllipsoidsCommand(CLI::App& app, const Options&) {
  auto* cmd = app.add_subcommand("ellipsoids", "List the built-in ellipsoids with the derived b and e^2");
  cmd->callback(PrintEllipsoids);
}

}  // namespace host
