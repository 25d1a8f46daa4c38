// overlays grids: every grid of the catalogue with its ellipsoid and the
// PROJ string of the same projection, so that any grid can be checked in
// PROJ ("cs2cs", "proj") on its own; and the grid-shift files'
// subcommand, grids install.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "CsvText.h"
#include "GeoJson.h"
#include "GridAddress.h"
#include "Host.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"

namespace host {
namespace {

using geojson::Json;

struct GridsRequest {
  std::optional<unsigned> kind;
  std::string format = "text";
};

// In place of the PROJ string of a row whose grid we found no definition of.
constexpr const char* kUnpublished = "(no published definition)";

struct GridLine {
  std::string address, name, zoneName, ellipsoid, proj;
  int epsg = 0;
};

// The shortest text without an exponent that reads back as the same
// double.
std::string Number(double value) {
  char text[400];  // room for any finite double without an exponent
  return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr);
}

std::string Param(const char* key, double value) { return std::string(" +") + key + "=" + Number(value); }

// The PROJ form of each projection kind and variant. Kind 6 variant 0 is
// the near-conformal series, given as the exact one-parallel conic it
// approximates (3.4 mm within 3° of lat0); kinds 13 and 14 as their
// Transverse Mercator step, whose polynomial PROJ does not have.
std::string TransverseMercator(const GridParameters& p) {
  return "+proj=tmerc" + Param("lat_0", p.lat0) + Param("lon_0", p.lon0) + Param("k", p.scale) +
         Param("x_0", p.falseEasting) + Param("y_0", p.falseNorthing);
}

std::string SouthOrientated(const GridParameters& p) { return TransverseMercator(p) + " +axis=wsu"; }

std::string FalseOrigin(const GridParameters& p) { return Param("x_0", p.falseEasting) + Param("y_0", p.falseNorthing); }

std::string Origin(const GridParameters& p) { return Param("lat_0", p.lat0) + Param("lon_0", p.lon0); }

std::string Mercator(const GridParameters& p) {
  return "+proj=merc" + Param("lat_ts", p.lat0) + Param("lon_0", p.lon0) + FalseOrigin(p);
}

std::string OneParallelConic(const GridParameters& p) {
  return "+proj=lcc" + Param("lat_1", p.lat0) + Origin(p) + Param("k_0", p.scale) + FalseOrigin(p);
}

std::string TwoParallelConic(const GridParameters& p) {
  return "+proj=lcc" + Origin(p) + Param("lat_1", p.lat1) + Param("lat_2", p.lat2) + FalseOrigin(p);
}

std::string Cassini(const GridParameters& p) { return "+proj=cass" + Origin(p) + FalseOrigin(p); }

std::string Guam(const GridParameters& p) { return "+proj=aeqd +guam" + Origin(p) + FalseOrigin(p); }

std::string ObliqueStereographic(const GridParameters& p) {
  return "+proj=sterea" + Origin(p) + Param("k", p.scale) + FalseOrigin(p);
}

std::string Polyconic(const GridParameters& p) { return "+proj=poly" + Origin(p) + FalseOrigin(p); }

// Variant 0 measures u from the centre, PROJ's default; the others from the
// natural origin.
std::string ObliqueMercator(const GridParameters& p) {
  return std::string("+proj=omerc") + (p.variant == 0 ? "" : " +no_uoff") + Param("lat_0", p.lat0) +
         Param("lonc", p.lon0) + Param("alpha", p.azimuth) + Param("gamma", p.skew) + Param("k", p.scale) +
         FalseOrigin(p);
}

struct ProjForm {
  std::uint32_t kind, variant;  // kAnyVariant: every variant
  std::string (*text)(const GridParameters& p);
};

constexpr std::uint32_t kAny = 0xFFFFFFFF;

constexpr ProjForm kProjForms[] = {
    {0, kAny, TransverseMercator}, {1, kAny, TransverseMercator}, {2, kAny, TransverseMercator},
    {3, kAny, SouthOrientated},    {4, kAny, TransverseMercator}, {5, kAny, Mercator},
    {6, 0, OneParallelConic},      {6, kAny, TwoParallelConic},   {7, kAny, Cassini},
    {8, kAny, Guam},               {9, kAny, ObliqueStereographic}, {10, kAny, Polyconic},
    {11, kAny, ObliqueMercator},   {12, 1, TwoParallelConic},     {12, 3, ObliqueMercator},
    {12, kAny, TransverseMercator}, {13, kAny, TransverseMercator}, {14, kAny, TransverseMercator},
};

std::string EllipsoidProj(const EllipsoidDef& e) {
  return std::isinf(e.invFlattening) ? Param("R", e.a) : Param("a", e.a) + Param("rf", e.invFlattening);
}

std::string ProjText(std::uint32_t kind, const GridParameters& p, const EllipsoidDef& e) {
  for (const ProjForm& form : kProjForms)
    if (form.kind == kind && (form.variant == kAny || form.variant == p.variant))
      return form.text(p) + EllipsoidProj(e) + " +units=m";
  return "";
}

// A row without an ellipsoid of its own keeps the grid's: a new grid's is
// WGS 1984.
const EllipsoidDef& EllipsoidOf(const GridParameters& p) {
  return kEllipsoidTable[p.ellipsoid == kNoEllipsoid ? kWgs1984Row : static_cast<unsigned>(p.ellipsoid)];
}

std::string EllipsoidName(const EllipsoidDef& e) {
  return *e.qualifier ? std::string(e.name) + " " + e.qualifier : std::string(e.name);
}


std::vector<GridLine> CatalogueLines(std::optional<unsigned> onlyKind) {
  std::vector<GridLine> lines;
  for (std::uint32_t kind = 0; kind < kCatalogueKindCount; ++kind) {
    if (onlyKind && *onlyKind != kind) continue;
    for (std::uint32_t row = 0; row < CatalogueRowCount(kind); ++row) {
      for (std::uint32_t variant : ListedVariants(kind)) {
        const CatalogueEntry e = *FindCatalogueEntry(row, kind, variant);
        const EllipsoidDef& ellipsoid = EllipsoidOf(e.parameters);
        std::string address = std::to_string(kind) + ":" + std::to_string(row);
        if (kind == 0) address += ":" + std::to_string(variant);
        lines.push_back({address, Out(e.name), Out(e.zoneName), Out(EllipsoidName(ellipsoid)),
                         e.published ? ProjText(kind, e.parameters, ellipsoid) : kUnpublished, e.epsg});
      }
    }
  }
  return lines;
}

void PrintText(const std::vector<GridLine>& lines) {
  for (const GridLine& l : lines)
    std::cout << l.address << "  " << l.name << (l.zoneName.empty() ? "" : " / " + l.zoneName) << "  ["
              << l.ellipsoid << "]" << (l.epsg ? "  EPSG:" + std::to_string(l.epsg) : "") << "\n    " << l.proj
              << "\n";
}

void PrintCsv(const std::vector<GridLine>& lines) {
  std::cout << "grid,name,zone,ellipsoid,epsg,proj\n";
  for (const GridLine& l : lines)
    std::cout << l.address << "," << CsvQuoted(l.name) << "," << CsvQuoted(l.zoneName) << ","
              << CsvQuoted(l.ellipsoid) << "," << (l.epsg ? std::to_string(l.epsg) : "") << "," << CsvQuoted(l.proj)
              << "\n";
}

void PrintJson(const std::vector<GridLine>& lines) {
  Json rows = Json::array();
  for (const GridLine& l : lines)
    rows.push_back({{"grid", l.address}, {"name", l.name}, {"zone", l.zoneName}, {"ellipsoid", l.ellipsoid},
                    {"epsg", l.epsg ? Json(l.epsg) : Json()}, {"proj", l.proj}});
  std::cout << rows.dump(2) << "\n";
}

void PrintGrids(const GridsRequest& request) {
  const std::vector<GridLine> lines = CatalogueLines(request.kind);
  if (request.format == "csv") return PrintCsv(lines);
  if (request.format == "json") return PrintJson(lines);
  PrintText(lines);
}

}  // namespace

void AddGridsCommand(CLI::App& app, const Options& options) {
  static GridsRequest request;
  auto* cmd = app.add_subcommand(
      "grids",
      "List the grid catalogue: each grid as KIND:ROW[:VARIANT] (the name 'project --grid' takes), its name, zone "
      "name and ellipsoid, the EPSG code of the same conversion where there is one, and the PROJ string of its "
      "projection (metres; kind 6 variant 0, the near-conformal series, as the exact one-parallel conic; kinds 13 "
      "and 14 as their Transverse Mercator step alone). 'grids install' copies the bundled grid-shift files "
      "instead");
  cmd->add_option("--kind", request.kind, "Only this projection kind's list (0-14)")->check(CLI::Range(0u, 14u));
  cmd->add_option("--format", request.format, "text, csv or json")->check(CLI::IsMember({"text", "csv", "json"}));
  cmd->require_subcommand(0, 1);
  AddGridsInstallCommand(*cmd, options);
  // The listing is the command's own answer; a subcommand answers alone.
  cmd->callback([cmd] {
    if (cmd->get_subcommands().empty()) PrintGrids(request);
  });
}

}  // namespace host
