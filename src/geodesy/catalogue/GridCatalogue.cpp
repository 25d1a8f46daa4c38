#include "geodesy/catalogue/GridCatalogue.h"

#include <array>
#include <cmath>

#include "frame/FormatText.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridTables.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"

namespace {

constexpr std::uint32_t kUtmKind = 0, kObliqueKind = 11, kStatePlane27Kind = 12;
constexpr std::uint32_t kStatePlaneHotineVariant = 3;
constexpr std::uint32_t kUtmSouth = 1;
constexpr double kUtmScale = 0.9996, kUtmFalseEasting = 500000, kUtmFalseNorthingSouth = 10000000;
constexpr std::uint32_t kBessel1841Row = 3, kClarke1880ArcRow = 12, kKrassowskyRow = 21;
constexpr std::uint32_t kDhdnRows = 4;

// EPSG's codes of the computed lists: WGS 84 / UTM zone zN and zS, DHDN /
// 3-degree Gauss-Kruger zone n, Pulkovo 1942 / Gauss-Kruger zone n (from
// zone 4), Cape / Lo<lon0> (to Lo33).
constexpr int kUtmNorthEpsg = 32600, kUtmSouthEpsg = 32700, kDhdnEpsg = 31464, kGaussKrugerEpsg = 28400,
              kLoBeltEpsg = 22260;
constexpr std::uint32_t kFirstGaussKrugerEpsgZone = 4;
constexpr double kLastLoBeltEpsg = 33;

char EastOrWest(double lon0Degrees) { return lon0Degrees < 0 ? 'W' : 'E'; }

double UtmCentralMeridian(std::uint32_t zone) { return 6.0 * zone - 183; }

CatalogueEntry UtmZone(std::uint32_t zone, std::uint32_t variant) {
  const double lon0 = UtmCentralMeridian(zone);
  CatalogueEntry e;
  e.name = FormatText("%s%2d (%d\xB0 %c)", "UTM Grid Zone ", static_cast<int>(zone),
                      static_cast<int>(std::fabs(lon0)), EastOrWest(lon0));
  e.parameters.variant = variant;
  e.parameters.lon0 = lon0;
  e.parameters.falseEasting = kUtmFalseEasting;
  e.parameters.falseNorthing = variant == kUtmSouth ? kUtmFalseNorthingSouth : 0;
  e.parameters.scale = kUtmScale;
  e.zone = zone;
  return e;
}

CatalogueEntry Utm(std::uint32_t row, std::uint32_t variant) {
  CatalogueEntry e = UtmZone(row, variant == kUtmSouth ? kUtmSouth : 0);
  if (row >= 1 && row <= 60) e.epsg = static_cast<int>(row) + (variant == kUtmSouth ? kUtmSouthEpsg : kUtmNorthEpsg);
  e.computed = true;
  return e;
}

CatalogueEntry DhdnZone(std::uint32_t row) {
  CatalogueEntry e;
  e.parameters.ellipsoid = kBessel1841Row;
  e.parameters.lon0 = 3.0 * row + 6;
  e.parameters.falseEasting = 1000000.0 * row + 2500000;
  e.name = FormatText("DHDN Zone %02d", static_cast<int>(row + 2));
  e.zoneName = FormatText("West Germany (%.0lf\xB0 E)", e.parameters.lon0);
  e.epsg = kDhdnEpsg + static_cast<int>(row + 2);
  return e;
}

// Zones from 31 on lie past 180° E and are counted west.
CatalogueEntry GaussKrugerZone(std::uint32_t zone) {
  CatalogueEntry e;
  double lon0 = 6.0 * (zone - 1) + 3;
  if (lon0 > 180) lon0 -= 360;
  e.parameters.ellipsoid = kKrassowskyRow;
  e.parameters.lon0 = lon0;
  e.parameters.falseEasting = 1000000.0 * (zone - 1) + 1500000;
  e.name = FormatText("GK Zone %02d", static_cast<int>(zone));
  e.zoneName = FormatText("(%.0lf\xB0 %c)", std::fabs(lon0), EastOrWest(lon0));
  if (zone >= kFirstGaussKrugerEpsgZone) e.epsg = kGaussKrugerEpsg + static_cast<int>(zone);
  return e;
}

CatalogueEntry GermanGaussKruger(std::uint32_t row, std::uint32_t) {
  return row < kDhdnRows ? DhdnZone(row) : GaussKrugerZone(row - 3);
}

CatalogueEntry LoBelt(std::uint32_t row, std::uint32_t) {
  CatalogueEntry e;
  e.parameters.ellipsoid = kClarke1880ArcRow;
  e.parameters.lon0 = 2.0 * row + 17;
  e.name = FormatText("Lo %2.0lf\xB0 E", e.parameters.lon0);
  e.zoneName = "South Africa";
  if (e.parameters.lon0 <= kLastLoBeltEpsg) e.epsg = kLoBeltEpsg + static_cast<int>(e.parameters.lon0);
  return e;
}

// UTM zones 31 to 35 on the International ellipsoid, the variant the axis
// the polynomial converts to; the kind's set-up names the axis in the
// zone name.
CatalogueEntry NorwayAxes(std::uint32_t row, std::uint32_t variant) {
  CatalogueEntry e = UtmZone(row + 31, variant);
  e.parameters.ellipsoid = kInternationalRow;
  e.parameters.falseNorthing = 0;
  return e;
}

CatalogueEntry FromRow(const GridRowDef& def) {
  CatalogueEntry e;
  e.name = def.name;
  e.zoneName = def.zoneName;
  e.parameters = def.parameters;
  e.epsg = def.epsg;
  e.published = def.published;
  return e;
}

template <const GridRowDef* Rows>
CatalogueEntry Named(std::uint32_t row, std::uint32_t) {
  return FromRow(Rows[row]);
}

CatalogueEntry Conic(std::uint32_t row, std::uint32_t) {
  return FromRow(row < kNamedConicRowCount ? kNamedConicRows[row] : kStatePlane83LambertRows[row - kNamedConicRowCount]);
}

// The Danish grids sit on UTM zone 32's meridian; the zone is kept for the
// polynomial's sake.
CatalogueEntry System34(std::uint32_t row, std::uint32_t) {
  CatalogueEntry e = FromRow(kSystem34Rows[row]);
  e.zone = static_cast<std::uint32_t>((e.parameters.lon0 + 183) / 6);
  return e;
}

struct CatalogueList {
  std::uint32_t rows;
  CatalogueEntry (*entry)(std::uint32_t row, std::uint32_t variant);
};

// By kind.
constexpr CatalogueList kLists[kCatalogueKindCount] = {
    {62, Utm},
    {kTransverseMercatorRowCount, Named<kTransverseMercatorRows>},
    {kDhdnRows + 32, GermanGaussKruger},
    {10, LoBelt},
    {kStatePlane83TransverseMercatorRowCount, Named<kStatePlane83TransverseMercatorRows>},
    {std::size(kMercatorRows), Named<kMercatorRows>},
    {kNamedConicRowCount + kStatePlane83LambertRowCount, Conic},
    {std::size(kCassiniRows), Named<kCassiniRows>},
    {std::size(kGuamRows), Named<kGuamRows>},
    {std::size(kStereographicRows), Named<kStereographicRows>},
    {std::size(kPolyconicRows), Named<kPolyconicRows>},
    {std::size(kObliqueMercatorRows), Named<kObliqueMercatorRows>},
    {kStatePlane27RowCount, Named<kStatePlane27Rows>},
    {5, NorwayAxes},
    {std::size(kSystem34Rows), System34},
};

bool IsOblique(std::uint32_t kind, std::uint32_t variant) {
  return kind == kObliqueKind || (kind == kStatePlane27Kind && variant == kStatePlaneHotineVariant);
}

void ApplyEntry(CGridSystem& grid, const CatalogueEntry& e) {
  const GridParameters& p = e.parameters;
  grid.title.clear();
  grid.name = e.name;
  grid.zoneName = e.zoneName;
  grid.variant = p.variant;
  grid.zone = e.zone;
  grid.flag = e.computed ? 0 : 1;
  grid.lat1 = p.lat1 * kRadiansPerDegree;
  grid.lat2 = p.lat2 * kRadiansPerDegree;
  grid.SetOriginDegrees(p.falseNorthing, p.scale, p.lat0, p.lon0, p.falseEasting);
  if (IsOblique(grid.kind, grid.variant))
    grid.SetObliqueConstants(std::array<double, 6>{p.azimuth * kRadiansPerDegree, p.skew * kRadiansPerDegree});
}

// The UTM list has no ellipsoid of its own: it keeps the grid's, unless
// that is an empty one.
void ApplyEllipsoid(CSpheroid& ellipsoid, const CatalogueEntry& e, std::uint32_t kind) {
  if (e.parameters.ellipsoid != kNoEllipsoid)
    ellipsoid.SelectSpheroid(static_cast<std::uint32_t>(e.parameters.ellipsoid));
  else if (kind == kUtmKind && ellipsoid.a == 0)
    ellipsoid.SelectSpheroid(kWgs1984Row);
}

// The first entry of the kind that names this ellipsoid row, or the entry
// itself when none does.
CatalogueEntry EntryOnEllipsoid(const CatalogueEntry& entry, std::uint32_t kind, std::uint32_t variant,
                                std::uint32_t ellipsoidRow, std::uint32_t& row) {
  const int wanted = static_cast<int>(ellipsoidRow);
  if (entry.parameters.ellipsoid == kNoEllipsoid || entry.parameters.ellipsoid == wanted) return entry;
  for (std::uint32_t r = 0; r < kLists[kind].rows; ++r) {
    CatalogueEntry other = kLists[kind].entry(r, variant);
    if (other.published && other.parameters.ellipsoid == wanted) {
      row = r;
      return other;
    }
  }
  return entry;
}

}  // namespace

std::uint32_t CatalogueRowCount(std::uint32_t kind) { return kind < kCatalogueKindCount ? kLists[kind].rows : 0; }

std::optional<CatalogueEntry> FindCatalogueEntry(std::uint32_t row, std::uint32_t kind, std::uint32_t variant) {
  if (row >= CatalogueRowCount(kind)) return std::nullopt;
  return kLists[kind].entry(row, variant);
}

bool SelectGrid(CGridSystem& grid, CSpheroid* ellipsoid, std::uint32_t row, std::uint32_t kind,
                std::uint32_t variant) {
  grid.flag = 1;
  grid.row = row;
  grid.kind = kind;
  grid.variant = variant;
  const std::optional<CatalogueEntry> entry = FindCatalogueEntry(row, kind, variant);
  if (!entry || !entry->published) return false;
  if (ellipsoid) {
    ApplyEllipsoid(*ellipsoid, *entry, kind);
    grid.spheroid = ellipsoid;
  }
  ApplyEntry(grid, *entry);
  return true;
}

void StartNewGrid(CGridSystem& grid, CSpheroid* ellipsoid) { SelectGrid(grid, ellipsoid, 31, kUtmKind, 0); }

bool ReapplyGrid(CGridSystem& grid) {
  grid.flag = 1;
  const std::optional<CatalogueEntry> entry = FindCatalogueEntry(grid.row, grid.kind, grid.variant);
  if (!entry || !entry->published) return false;
  std::uint32_t row = grid.row;
  const CatalogueEntry chosen =
      grid.spheroid ? EntryOnEllipsoid(*entry, grid.kind, grid.variant, grid.spheroid->row, row) : *entry;
  grid.row = row;
  ApplyEntry(grid, chosen);
  return true;
}
