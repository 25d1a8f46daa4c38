// overlays project LAT LON / overlays unproject E N: one position through a
// grid given by its projection kind, origin and ellipsoid or by its place in
// the grid catalogue, or with "-" a stream of positions from standard
// input, one per line.

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "GridAddress.h"
#include "Host.h"
#include "PointStream.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/ProjectionKind.h"

namespace host {
namespace {

struct GridArguments {
  unsigned kind = 0, variant = 0;
  unsigned row = 0;  // entry of the kind's catalogue list; kind 14 takes its region from it
  double lat0 = 0, lon0 = 0, fe = 0, fn = 0, k0 = 1;  // degrees, metres
  std::optional<double> lat1, lat2;                   // standard parallels, degrees
  double alpha = 0, gamma = 0;                        // oblique kinds' line and rectifying angle, degrees
  unsigned ellipsoid = kWgs1984Row;
  std::optional<std::string> catalogueGrid;  // --grid KIND:ROW[:VARIANT], in place of the above
};

struct ProjectionRequest {
  GridArguments grid;
  std::vector<std::string> point;  // two numbers, or "-"
};

// A grid and the ellipsoid it points at, kept together.
struct HostGrid {
  CSpheroid spheroid;
  CGridSystem grid;
};

bool AllFinite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

void CheckKindAvailable(unsigned kind, unsigned variant) {
  const ProjectionKindDef* def = FindProjectionKind(kind, variant);
  if (!def)
    throw CommandError("there is no projection kind " + std::to_string(kind) + " variant " + std::to_string(variant));
  if (!def->operations)
    throw CommandError("projection kind " + std::to_string(kind) + " (" + def->name +
                       ") cannot be computed by this version");
}

// A kind whose tables serve only some grids refuses the others.
void CheckKindAccepts(const CGridSystem& grid) {
  const ProjectionKindDef& def = *FindProjectionKind(grid.kind, grid.variant);
  if (def.operations->accepts && !def.operations->accepts(grid))
    throw CommandError("projection kind " + std::to_string(grid.kind) + " computes only " + def.computes);
}

// The catalogue's grid, on its own ellipsoid, or on --ellipsoid's for a
// row that has none.
void SelectCatalogueGrid(const GridArguments& args, HostGrid& g) {
  const GridAddress a = ParseGridAddress(*args.catalogueGrid);
  g.spheroid.SelectSpheroid(args.ellipsoid);
  if (!SelectGrid(g.grid, &g.spheroid, a.row, a.kind, a.variant)) {
    const std::optional<CatalogueEntry> entry = FindCatalogueEntry(a.row, a.kind, a.variant);
    throw CommandError(entry ? "grid " + *args.catalogueGrid + " (" + entry->name + ") has no published definition"
                             : "the catalogue has no grid " + *args.catalogueGrid + " (see 'overlays grids')");
  }
  CheckKindAvailable(g.grid.kind, g.grid.variant);
  CheckKindAccepts(g.grid);
}

void BuildGrid(const GridArguments& args, HostGrid& g) {
  if (args.catalogueGrid) return SelectCatalogueGrid(args, g);
  CheckKindAvailable(args.kind, args.variant);
  if (!AllFinite({args.lat0, args.lon0, args.fe, args.fn, args.k0, args.lat1.value_or(0), args.lat2.value_or(0),
                  args.alpha, args.gamma}))
    throw CommandError("the grid's numbers must be finite");
  if (args.k0 == 0) throw CommandError("--k0 must not be 0");
  g.spheroid.SelectSpheroid(args.ellipsoid);
  g.grid.kind = args.kind;
  g.grid.variant = args.variant;
  g.grid.row = args.row;
  g.grid.spheroid = &g.spheroid;
  g.grid.SetOriginDegrees(args.fn, args.k0, args.lat0, args.lon0, args.fe);
  if (args.lat1 || args.lat2) g.grid.SetStandardParallels(args.lat1.value_or(0), args.lat2.value_or(0));
  if (args.alpha != 0 || args.gamma != 0)
    g.grid.SetObliqueConstants(
        std::array<double, 6>{args.alpha * kRadiansPerDegree, args.gamma * kRadiansPerDegree});
  CheckKindAccepts(g.grid);
}

void PrintProjected(const CGridSystem& grid, double latDegrees, double lonDegrees) {
  if (latDegrees < -90 || latDegrees > 90) throw CommandError("the latitude must lie within -90 to 90 degrees");
  double e = 0, n = 0, gamma = 0, k = 0;
  if (!grid.Forward(latDegrees * kRadiansPerDegree, lonDegrees * kRadiansPerDegree, &e, &n, &gamma, &k) ||
      !AllFinite({e, n, gamma, k}))
    throw CommandError("this position has no easting and northing on the grid (it lies outside the projection)");
  std::printf("%.4f %.4f %.9f %.10f\n", e, n, gamma * kDegreesPerRadian, k);
}

// The module answers a latitude beyond the pole or a longitude beyond the
// antimeridian with 0, which would pass for a position; projecting the
// answer back finds it out. A metre covers the series' own round trip
// (0.3 m at 6 degrees from a Transverse Mercator meridian). Geographic 0 0
// projects to 0 0 on every grid, so an answer there is checked from a
// point 6 cm north of it instead.
bool ProjectsBack(const CGridSystem& grid, double lat, double lon, double easting, double northing) {
  constexpr double kReachMetres = 1.0;
  const bool atShortCut = std::fabs(lat) < kRadiansPerMilliArcSecond && std::fabs(lon) < kRadiansPerMilliArcSecond;
  double e = 0, n = 0;
  return grid.Forward(atShortCut ? lat + 2 * kRadiansPerMilliArcSecond : lat, lon, &e, &n, nullptr, nullptr) &&
         std::fabs(e - easting) <= kReachMetres && std::fabs(n - northing) <= kReachMetres;
}

void PrintUnprojected(const CGridSystem& grid, double easting, double northing) {
  double lat = 0, lon = 0, gamma = 0, k = 0;
  if (!grid.Inverse(easting, northing, &lat, &lon, &gamma, &k) || !AllFinite({lat, lon, gamma, k}))
    throw CommandError("no latitude and longitude found for this easting and northing (the iteration did not settle, "
                       "or the grid has no position for them)");
  if (!ProjectsBack(grid, lat, lon, easting, northing))
    throw CommandError("this easting and northing lie beyond the projection's reach (no latitude and longitude "
                       "projects to them)");
  std::printf("%.10f %.10f %.9f %.10f\n", lat * kDegreesPerRadian, lon * kDegreesPerRadian, gamma * kDegreesPerRadian,
              k);
}

using PointPrinter = void (*)(const CGridSystem& grid, double first, double second);

void RunProjection(const ProjectionRequest& request, PointPrinter print) {
  HostGrid g;
  BuildGrid(request.grid, g);
  AnswerPoints(request.point, [&](double first, double second) { print(g.grid, first, second); });
}

void AddGridOptions(CLI::App* cmd, GridArguments& args) {
  auto* grid = cmd->add_option("--grid", args.catalogueGrid,
                               "A grid of the catalogue as KIND:ROW[:VARIANT] (see 'overlays grids'), in place of "
                               "the grid's own parameters");
  auto* kind = cmd->add_option("--kind", args.kind,
                  "Projection kind: 0-4 and 12 (variant 0) Transverse Mercator (3 south-orientated), 5 Mercator, "
                  "6 Lambert conic (variant 2 conformal, 1 its tan form, 0 near-conformal), 7 Cassini-Soldner, "
                  "8 first-order Cassini (Guam), 9 stereographic (variants 0 and 1 oblique, 2 polar), "
                  "10 American Polyconic, 11 and 12 variant 3 Hotine Oblique Mercator (variant 0 with u from the "
                  "centre, others from the natural origin), 12 variants 1 and 2 US state plane 1927 Lambert and "
                  "Transverse Mercator, 13 a UTM zone (31-35, International ellipsoid) into the NGO 1948 axes "
                  "(variant 0-7: Axis I-VIII; in zones 31 and 32 a point's region may pick another axis), "
                  "14 Danish System 34 (UTM zone 32, then the region's polynomial)");
  const auto latitude = CLI::Range(-90.0, 90.0);
  const std::vector<CLI::Option*> own = {
      kind,
      cmd->add_option("--variant", args.variant, "Method within the kind (default 0)"),
      cmd->add_option("--row", args.row,
                      "Entry of the kind's catalogue list; kind 14: 0 Sjaelland, 1 Jylland (default 0)"),
      cmd->add_option("--lat0", args.lat0, "Latitude of origin, degrees")->check(latitude),
      cmd->add_option("--lon0", args.lon0, "Central longitude, degrees"),
      cmd->add_option("--fe", args.fe, "False easting, metres"),
      cmd->add_option("--fn", args.fn, "False northing, metres"),
      cmd->add_option("--k0", args.k0, "Scale factor at the origin (default 1)"),
      cmd->add_option("--lat1", args.lat1, "First standard parallel, degrees (variant 0: the latitude of origin)")
          ->check(latitude),
      cmd->add_option("--lat2", args.lat2, "Second standard parallel, degrees")->check(latitude),
      cmd->add_option("--alpha", args.alpha,
                      "Oblique Mercator: azimuth of the initial line at the centre (lat0, lon0), degrees"),
      cmd->add_option("--gamma", args.gamma,
                      "Oblique Mercator: angle from the rectified to the skew grid, degrees (variant 0 takes "
                      "atan(4/3))"),
  };
  for (CLI::Option* option : own) grid->excludes(option);
  cmd->add_option("--ellipsoid", args.ellipsoid,
                  "Row of the ellipsoid table (default 26, WGS 1984; see 'overlays ellipsoids'); with --grid, for "
                  "the rows that have no ellipsoid of their own")
      ->check(CLI::Range(0u, static_cast<unsigned>(kEllipsoidTable.size() - 1)));
}

// The module's rules, which a user comparing with another projection
// program would otherwise take for faults.
constexpr const char* kGridRules =
    "The module's rules:\n"
    "- latitude and longitude both within 0.001\" of 0 give 0 0 and k0, whatever the\n"
    "  grid's origin;\n"
    "- Transverse Mercator is Redfearn's series: within 1 mm of the exact projection up\n"
    "  to 2 degrees from lon0, 2.5 mm at 3, 0.16 m at 6 (the inverse 1.3 mm, 5 mm, 0.3 m);\n"
    "- kind 3 negates the whole easting and northing, false origin included, and its\n"
    "  inverse the offsets from the false origin: with a false origin they differ;\n"
    "- Mercator ignores --k0: it is true to scale at lat0 (the equator when 0);\n"
    "  its longitudes are not wrapped, and an inverse one beyond 180 degrees gives 0;\n"
    "- kinds 7 to 10 give convergence 0, and point scale 0 but for the polyconic's\n"
    "  meridian scale; Guam and the polyconic ignore --k0; a polar stereographic\n"
    "  standard parallel (--lat2, else --lat1) picks the pole by its sign and sets k0\n"
    "  so that the grid is true to scale along it;\n"
    "- kind 13 gives the NGO axis's Y as the easting and X as the northing, within\n"
    "  5 mm of PROJ's ED50 to NGO 1948; give it a UTM zone 31 to 35 on ED50\n"
    "  (--lon0 9 for zone 32, --k0 0.9996 --fe 500000 --ellipsoid 20): other grids,\n"
    "  and points outside Norway or an axis's reach, have no numbers;\n"
    "- kind 14 gives System 34's x, counted westward, as the easting and y as the\n"
    "  northing; give it UTM zone 32 on ED50: --lon0 9 --k0 0.9996 --fe 500000\n"
    "  --ellipsoid 20.";

void AddProjectionCommand(CLI::App& app, const char* name, const char* description, const char* pointHelp,
                          ProjectionRequest& request, PointPrinter print) {
  auto* cmd = app.add_subcommand(name, std::string(description) + "\n" + kGridRules);
  AddPointOption(*cmd, request.point, pointHelp);
  AddGridOptions(cmd, request.grid);
  cmd->callback([&request, print] { RunProjection(request, print); });
}

}  // namespace

void AddProjectCommands(CLI::App& app, const Options&) {
  static ProjectionRequest project, unproject;
  AddProjectionCommand(app, "project",
                       "Easting and northing (m), convergence (degrees) and point scale of a position in degrees.",
                       "LAT LON in degrees (south and west negative), or '-' for lines of 'lat lon' on standard input",
                       project, PrintProjected);
  AddProjectionCommand(app, "unproject",
                       "Latitude and longitude (degrees), convergence (degrees) and point scale of an easting and "
                       "northing in metres.",
                       "E N in metres, or '-' for lines of 'easting northing' on standard input", unproject,
                       PrintUnprojected);
}

}  // namespace host
