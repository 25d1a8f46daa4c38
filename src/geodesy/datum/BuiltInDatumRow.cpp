#include "geodesy/datum/DatumRowSources.h"
#include "geodesy/ellipsoid/Spheroid.h"

std::uint32_t CountBuiltInRows(const DatumFamilyDef& family) {
  return static_cast<std::uint32_t>(family.rows.size());
}

bool SelectBuiltInRow(const DatumFamilyDef& family, std::uint32_t row, CSpheroid& nearEllipsoid,
                      CSpheroid& farEllipsoid, DatumTransformation& out) {
  const DatumRowDef& def = family.rows[row];
  nearEllipsoid.SelectSpheroid(def.nearRow);
  farEllipsoid.SelectSpheroid(def.farRow);
  out = DatumTransformation{};
  out.from = def.from;
  out.to = def.to;
  out.area = def.area;
  out.shift = def.Shift();
  return true;
}
