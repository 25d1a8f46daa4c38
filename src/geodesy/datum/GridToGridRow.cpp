#include "geodesy/datum/DatumRowSources.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace {

constexpr char kGridToGridArea[] = "Grid To Grid";

}  // namespace

std::uint32_t CountGridToGridRows(const DatumFamilyDef&) { return 1; }

// Both grids lie on the user's own ellipsoid, so there is no shift: the far
// side takes the near one's constants, code and names (its row field stays
// as it was; nothing reads it for this family).
bool SelectGridToGridRow(const DatumFamilyDef&, std::uint32_t, CSpheroid& nearEllipsoid, CSpheroid& farEllipsoid,
                         DatumTransformation& out) {
  farEllipsoid.a = nearEllipsoid.a;
  farEllipsoid.b = nearEllipsoid.b;
  farEllipsoid.invFlattening = nearEllipsoid.invFlattening;
  farEllipsoid.code = nearEllipsoid.code;
  farEllipsoid.name = nearEllipsoid.name;
  farEllipsoid.qualifier = nearEllipsoid.qualifier;
  farEllipsoid.DeriveSpheroid();
  out = DatumTransformation{};
  out.from = nearEllipsoid.name;
  out.to = farEllipsoid.name;
  out.area = kGridToGridArea;
  return true;
}
