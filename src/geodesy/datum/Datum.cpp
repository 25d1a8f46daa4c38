#include "geodesy/datum/Datum.h"

#include <utility>

#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/datum/DatumFamilies.h"
#include "geodesy/datum/Geocentric.h"
#include "geodesy/datum/GridShiftRows.h"
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

// Families 0 to 2 have a way of their own to the grid; the others carry
// the position across by their shift first (see ShiftThenProject).
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
  if (selected && def->method == DatumMethod::Ntv2 && ntv2.SubGrids().empty())
    ntv2.LoadGlobalFile(kCanadianNationalGrid);
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

CDatum::FamilyConversions CDatum::ConversionsOfFamily() const {
  for (const FamilyConversions& c : kConversions)
    if (c.family == family_) return c;
  if (family_ >= kFirstShiftThenProjectFamily && family_ <= kLastDatumFamily)
    return {family_, &CDatum::ShiftThenProject, &CDatum::UnprojectThenShiftBack};
  return {family_, nullptr, nullptr};
}

tagXY CDatum::LatLonToGrid(tagXY position) {
  const Conversion toGrid = ConversionsOfFamily().toGrid;
  double easting = 0, northing = 0;
  if (!toGrid || !(this->*toGrid)(position.y, position.x, easting, northing)) return {};
  return {easting, northing};
}

tagXY CDatum::GridToLatLon(tagXY position) {
  const Conversion toLatLon = ConversionsOfFamily().toLatLon;
  double lat = 0, lon = 0;
  if (!toLatLon || !(this->*toLatLon)(position.x, position.y, lat, lon)) return {};
  return {lon, lat};
}

// The family's own position conversion from the near side, at height 0,
// lands on the user grid; a grid that cannot project the result (point
// scale 0) gives no answer.
bool CDatum::ShiftThenProject(double lat, double lon, double& easting, double& northing) {
  if (!userGrid || !farEllipsoid) return false;
  PositionDef from, to;
  FillPosition(from, lat, lon, 0, nearEllipsoid, &nearGrid);
  to.lat = lat;
  if (!ConvertPosition(from, to, kForward) || to.pointScale == 0) return false;
  easting = to.easting;
  northing = to.northing;
  return true;
}

// Both directions relate grid positions to points at height 0 on the near
// side, as LatLonToGrid takes them. A geocentric shift lifts a point at
// height 0 on one ellipsoid off the other, so the far side's height is
// chosen where the near one comes out 0: the step is affine and the two
// heights move together, so one correction leaves millimetres of height
// and nothing measurable across. Grid shifts carry the height as it is and
// need no correction. The typed easting and northing stay as typed on the
// far side, so the grid-to-grid family starts from them rather than from
// their round trip through the grid's inverse.
bool CDatum::UnprojectThenShiftBack(double easting, double northing, double& lat, double& lon) {
  if (!userGrid || !farEllipsoid) return false;
  double farLat = 0, farLon = 0;
  if (!userGrid->Inverse(easting, northing, &farLat, &farLon)) return false;
  PositionDef from;
  from.height = 0;
  double farHeight = 0;
  for (int pass = 0; pass < 2 && (pass == 0 || from.height != 0); ++pass) {
    farHeight -= from.height;
    PositionDef to;
    FillPosition(to, farLat, farLon, farHeight, *farEllipsoid, userGrid);
    to.easting = easting;
    to.northing = northing;
    from.lat = farLat;
    if (!ConvertPosition(from, to, kReverse)) return false;
  }
  lat = from.lat;
  lon = from.lon;
  return true;
}

bool CDatum::ProjectOnly(double lat, double lon, double& easting, double& northing) {
  return userGrid && userGrid->Forward(lat, lon, &easting, &northing);
}

bool CDatum::UnprojectOnly(double easting, double northing, double& lat, double& lon) {
  return userGrid && userGrid->Inverse(easting, northing, &lat, &lon);
}

// The stored parameters always lead from the near side to the far side:
// a reversed direction has already swapped the ellipsoids and negated them.
bool CDatum::ShiftAndProject(double lat, double lon, double& easting, double& northing) {
  if (!userGrid || !farEllipsoid) return false;
  double X, Y, Z;
  GeographicToGeocentric(nearEllipsoid, lat, lon, 0, X, Y, Z);
  HelmertStep(transformation.shift, kForward, X, Y, Z);
  double farLat = lat, farLon = 0, h = 0;
  return GeocentricToGeographic(*farEllipsoid, X, Y, Z, farLat, farLon, h) &&
         userGrid->Forward(farLat, farLon, &easting, &northing);
}

// At height 0 on the near side, as UnprojectThenShiftBack explains.
bool CDatum::UnprojectAndShiftBack(double easting, double northing, double& lat, double& lon) {
  if (!userGrid || !farEllipsoid) return false;
  double farLat = 0, farLon = 0;
  if (!userGrid->Inverse(easting, northing, &farLat, &farLon)) return false;
  double farHeight = 0, h = 0;
  for (int pass = 0; pass < 2; ++pass) {
    farHeight -= h;
    double X, Y, Z;
    GeographicToGeocentric(*farEllipsoid, farLat, farLon, farHeight, X, Y, Z);
    HelmertStep(transformation.shift, kReverse, X, Y, Z);
    lat = farLat;
    if (!GeocentricToGeographic(nearEllipsoid, X, Y, Z, lat, lon, h)) return false;
  }
  return true;
}

bool CDatum::OstnForward(double lat, double lon, double& easting, double& northing) {
  if (!ostn15.IsLoaded() || !ostn15.InExtent(lat, lon)) return false;
  ostn15.Forward(lat, lon, easting, northing);
  return true;
}

bool CDatum::OstnInverse(double easting, double northing, double& lat, double& lon) {
  return ostn15.IsLoaded() && ostn15.Inverse(easting, northing, lat, lon);
}
