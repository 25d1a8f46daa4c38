#include <array>

#include "geodesy/datum/DatumRowSources.h"
#include "geodesy/datum/GridShiftRows.h"
#include "geodesy/datum/LocalHelmertTable.h"
#include "geodesy/datum/WgsHelmertTable.h"

namespace {

constexpr auto B = DatumRowSource::BuiltIn;
constexpr auto U = DatumRowSource::UserFiles;
constexpr auto kNoFile = DatumFileKind::Helmert;  // unused by built-in families

// The British National Grid (grid catalogue kind 1, row 0), which the
// OSTN15 shift is defined against.
constexpr int kBritishGridKind = 1, kBritishGridRow = 0;

constexpr std::array<DatumFamilyDef, 11> kFamilies{{
    {-1, "Geographicals only", DatumMethod::None, B, kGeographicalsRows, kNoFile, -1, -1},
    {0, "Grid to grid", DatumMethod::SameEllipsoid, DatumRowSource::NearEllipsoid, {}, kNoFile, -1, -1},
    {1, "WGS 1984 to local datums", DatumMethod::Helmert, B, kWgsHelmertRows, kNoFile, -1, -1},
    {2, "OSTN15 grid shift", DatumMethod::Ostn15, B, kOstnRows, kNoFile, kBritishGridKind, kBritishGridRow},
    {3, "Norway ED87/ED50", DatumMethod::NorwayRule, B, kNorwayRows, kNoFile, -1, -1},
    {4, "NADCON", DatumMethod::Nadcon, B, kNadconRows, kNoFile, -1, -1},
    {5, "Canadian NTv2", DatumMethod::Ntv2, B, kCanadaNtv2Rows, kNoFile, -1, -1},
    {6, "Local to local", DatumMethod::Helmert, B, kLocalHelmertRows, kNoFile, -1, -1},
    {7, "User Helmert files (DMF)", DatumMethod::UserHelmert, U, {}, DatumFileKind::Helmert, -1, -1},
    {8, "User GSF files", DatumMethod::UserThreeValues, U, {}, DatumFileKind::ThreeValues, -1, -1},
    {9, "User grid-to-grid files (GRD)", DatumMethod::UserAffine, U, {}, DatumFileKind::Affine, -1, -1},
}};

static_assert(kFamilies.front().family == kGeographicalsFamily && kFamilies.back().family == kLastDatumFamily);

struct RowSourceDef {
  std::uint32_t (*count)(const DatumFamilyDef&);
  bool (*select)(const DatumFamilyDef&, std::uint32_t, CSpheroid&, CSpheroid&, DatumTransformation&);
};

// Indexed by DatumRowSource.
constexpr RowSourceDef kRowSources[] = {
    {CountBuiltInRows, SelectBuiltInRow},
    {CountGridToGridRows, SelectGridToGridRow},
    {CountUserFileRows, SelectUserFileRow},
};

const RowSourceDef& SourceOf(const DatumFamilyDef& family) {
  return kRowSources[static_cast<int>(family.rowSource)];
}

}  // namespace

const DatumFamilyDef* FindDatumFamily(int family) {
  if (family < kGeographicalsFamily || family > kLastDatumFamily) return nullptr;
  return &kFamilies[static_cast<std::size_t>(family - kGeographicalsFamily)];
}

std::uint32_t DatumFamilyRowCount(int family) {
  const DatumFamilyDef* def = FindDatumFamily(family);
  return def ? SourceOf(*def).count(*def) : 0;
}

bool SelectDatumTransformation(int family, std::uint32_t row, CSpheroid& nearEllipsoid, CSpheroid& farEllipsoid,
                               DatumTransformation& out) {
  const DatumFamilyDef* def = FindDatumFamily(family);
  if (!def) return false;
  const RowSourceDef& source = SourceOf(*def);
  if (row >= source.count(*def)) return false;
  return source.select(*def, row, nearEllipsoid, farEllipsoid, out);
}
