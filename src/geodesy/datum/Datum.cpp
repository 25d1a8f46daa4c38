#include "geodesy/datum/Datum.h"

#include <utility>

#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/datum/DatumFamilies.h"
#include "geodesy/datum/Geocentric.h"
#include "geodesy/datum/Helmert.h"

namespace {

// The British National Grid on GRS80 (catalogue kind 1, row 1).
constexpr std::uint32_t kSecondGridKind = 1, kSecondGridRow = 1;

// Each grid keeps pointing at its own ellipsoid object: the ellipsoids'
// contents are swapped alongside, so every definition stays on its datum.
void SwapDefinitions(CGridSystem& a, CGridSystem& b) {
  std::swap(a, b);
  std::swap(a.spheroid, b.spheroid);
}

void Negate(DatumShiftDef& p) {
  for (double* v : {&p.tX, &p.tY, &p.tZ, &p.rX, &p.rY, &p.rZ, &p.s}) *v = -*v;
}

}  // namespace

// Only these families turn positions into grid terms; the rest are served
// by position conversions between the two sides.
const CDatum::FamilyConversions CDatum::kConversions[] = {
    {0, &CDatum::ProjectOnly, &CDatum::UnprojectOnly},
    {1, &CDatum::ShiftAndProject, &CDatum::UnprojectAndShiftBack},
    {2, &CDatum::OstnForward, &CDatum::OstnInverse},
};

CDatum::CDatum() {
  StartNewGrid(nearGrid, &nearEllipsoid);
  SelectGrid(secondGrid, &secondEllipsoid, kSecondGridRow, kSecondGridKind, 0);
}

bool CDatum::SetDatum(int family, std::uint32_t row, int direction) {
  family_ = family;
  row_ = row;
  direction_ = direction;
  for (CNadconRegion& slot : nadconRegions) slot.Clear();
  const DatumFamilyDef* def = FindDatumFamily(family);
  // Without a far side the row still names the transformation; its far
  // ellipsoid goes nowhere.
  CSpheroid unheld;
  CSpheroid& far = farEllipsoid ? *farEllipsoid : unheld;
  const bool selected = def && SelectDatumTransformation(family, row, nearEllipsoid, far, transformation);
  if (def && def->rowSource == DatumRowSource::UserFiles && row < DatumFamilyRowCount(family))
    direction_ = kForward;
  if (selected && def->userGridKind >= 0 && userGrid)
    SelectGrid(*userGrid, farEllipsoid, static_cast<std::uint32_t>(def->userGridRow),
               static_cast<std::uint32_t>(def->userGridKind), 0);
  if (selected && direction_ == kReverse) ReverseDirection();
  ReapplyUserGrid();
  return selected;
}

void CDatum::ReapplyUserGrid() {
  if (!userGrid) return;
  if (farEllipsoid) userGrid->spheroid = farEllipsoid;
  ReapplyGrid(*userGrid);
}

void CDatum::ReverseDirection() {
  if (farEllipsoid) std::swap(nearEllipsoid, *farEllipsoid);
  if (userGrid) SwapDefinitions(nearGrid, *userGrid);
  Negate(transformation.shift);
  for (double& v : transformation.gsf.values) v = -v;
}

const CDatum::FamilyConversions* CDatum::ConversionsOfFamily() const {
  for (const FamilyConversions& c : kConversions)
    if (c.family == family_) return &c;
  return nullptr;
}

tagXY CDatum::LatLonToGrid(tagXY position) {
  const FamilyConversions* c = ConversionsOfFamily();
  double easting = 0, northing = 0;
  if (!c || !(this->*c->toGrid)(position.y, position.x, easting, northing)) return {};
  return {easting, northing};
}

tagXY CDatum::GridToLatLon(tagXY position) {
  const FamilyConversions* c = ConversionsOfFamily();
  double lat = 0, lon = 0;
  if (!c || !(this->*c->toLatLon)(position.x, position.y, lat, lon)) return {};
  return {lon, lat};
}

bool CDatum::ProjectOnly(double lat, double lon, double& easting, double& northing) const {
  return userGrid && userGrid->Forward(lat, lon, &easting, &northing);
}

bool CDatum::UnprojectOnly(double easting, double northing, double& lat, double& lon) const {
  return userGrid && userGrid->Inverse(easting, northing, &lat, &lon);
}

// The stored parameters always lead from the near side to the far side:
// a reversed direction has already swapped the ellipsoids and negated them.
bool CDatum::ShiftAndProject(double lat, double lon, double& easting, double& northing) const {
  if (!userGrid || !farEllipsoid) return false;
  double X, Y, Z;
  GeographicToGeocentric(nearEllipsoid, lat, lon, 0, X, Y, Z);
  HelmertStep(transformation.shift, kForward, X, Y, Z);
  double farLat = lat, farLon = 0, h = 0;
  return GeocentricToGeographic(*farEllipsoid, X, Y, Z, farLat, farLon, h) &&
         userGrid->Forward(farLat, farLon, &easting, &northing);
}

bool CDatum::UnprojectAndShiftBack(double easting, double northing, double& lat, double& lon) const {
  if (!userGrid || !farEllipsoid) return false;
  double farLat = 0, farLon = 0;
  if (!userGrid->Inverse(easting, northing, &farLat, &farLon)) return false;
  double X, Y, Z;
  GeographicToGeocentric(*farEllipsoid, farLat, farLon, 0, X, Y, Z);
  HelmertStep(transformation.shift, kReverse, X, Y, Z);
  double h = 0;
  lat = farLat;
  return GeocentricToGeographic(nearEllipsoid, X, Y, Z, lat, lon, h);
}

bool CDatum::OstnForward(double lat, double lon, double& easting, double& northing) const {
  if (!ostn15.IsLoaded() || !ostn15.InExtent(lat, lon)) return false;
  ostn15.Forward(lat, lon, easting, northing);
  return true;
}

bool CDatum::OstnInverse(double easting, double northing, double& lat, double& lon) const {
  return ostn15.IsLoaded() && ostn15.Inverse(easting, northing, lat, lon);
}
