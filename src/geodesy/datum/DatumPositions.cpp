// The datum object's position conversions between its two sides, one
// method per family kind.

#include <cmath>
#include <limits>
#include <numbers>

#include "geodesy/datum/Datum.h"
#include "geodesy/datum/DatumFamilies.h"
#include "geodesy/datum/Geocentric.h"
#include "geodesy/datum/GridShiftRows.h"
#include "geodesy/datum/Helmert.h"
#include "geodesy/datum/NorwayRule.h"
#include "geodesy/shift/NadconShift.h"

namespace {

// One NADCON grid step: the region table searched (nadcon modes), whether
// the step runs the grids backwards, and the region slot that keeps them.
struct NadconStepDef {
  int mode;
  bool inverse;
  int slot;
};

// Steps of each family-4 row, in the order the row is named; rows 4 and 5
// pass through NAD83, one region slot for each grid pair.
struct NadconRowDef {
  NadconStepDef steps[2];
  int count;
};

constexpr NadconRowDef kNadconSteps[] = {
    {{{0, false, 0}}, 1},                  // NAD27 -> NAD83
    {{{1, true, 0}}, 1},                   // NAD83 -> NAD27
    {{{2, false, 1}}, 1},                  // NAD83 -> HPGN
    {{{3, true, 1}}, 1},                   // HPGN -> NAD83
    {{{0, false, 0}, {2, false, 1}}, 2},   // NAD27 -> HPGN
    {{{3, true, 1}, {1, true, 0}}, 2},     // HPGN -> NAD27
};

// Rows come in pairs, each the other's reverse.
constexpr std::uint32_t ReverseNadconRow(std::uint32_t row) { return row ^ 1u; }

// The Canadian grid runs NAD27 to NAD83; its inverse is found by fixed-point
// steps, each moving the estimate by the miss of its own shift. The shift
// changes by well under a part in a million across a cell, so a few steps
// reach the tolerance. The grid truncates its input to 0.00001″ (5e-11
// radians), so the miss cannot settle much below that step.
constexpr int kNtv2InverseSteps = 10;
constexpr double kNtv2InverseTolerance = 1e-10;  // radians, 0.6 mm

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The NADCON grids work in degrees; the exact factor keeps a round trip
// through them free of the drift the module's rounded factors would add.
constexpr double kDegreesPerRadianExact = 180 / std::numbers::pi;

// The affine block: easting and northing through the 2×2 matrix, then
// moved by the block's two leading values (metres).
void AffineForward(const GrdBlockDef& g, double e, double n, double& outE, double& outN) {
  outE = g.matrix[0] * e + g.matrix[1] * n + g.leading[0];
  outN = g.matrix[2] * e + g.matrix[3] * n + g.leading[1];
}

bool AffineInverse(const GrdBlockDef& g, double e, double n, double& outE, double& outN) {
  const double det = g.matrix[0] * g.matrix[3] - g.matrix[1] * g.matrix[2];
  if (det == 0 || !std::isfinite(det)) return false;
  const double de = e - g.leading[0], dn = n - g.leading[1];
  outE = (g.matrix[3] * de - g.matrix[1] * dn) / det;
  outN = (g.matrix[0] * dn - g.matrix[2] * de) / det;
  return true;
}

}  // namespace

CDatum::PositionConversion CDatum::ConversionOfFamily(int family) {
  const DatumFamilyDef* def = FindDatumFamily(family);
  if (!def) return nullptr;
  switch (def->method) {
    case DatumMethod::Helmert:
    case DatumMethod::UserHelmert:
      return &CDatum::ConvertHelmert;
    case DatumMethod::NorwayRule:
      return &CDatum::ConvertNorway;
    case DatumMethod::Nadcon:
      return &CDatum::ConvertNadcon;
    case DatumMethod::Ntv2:
      return &CDatum::ConvertNtv2;
    case DatumMethod::Ostn15:
      return &CDatum::ConvertOstn;
    case DatumMethod::UserThreeValues:
      return &CDatum::ConvertTranslation;
    case DatumMethod::UserAffine:
      return &CDatum::ConvertAffine;
    default:
      return nullptr;
  }
}

bool CDatum::ConvertPosition(PositionDef& from, PositionDef& to, int direction) {
  const PositionConversion convert = ConversionOfFamily(family_);
  if (!convert) return false;
  const bool forward = direction >= 0;
  const Side in = forward ? NearSide() : FarSide(), out = forward ? FarSide() : NearSide();
  if (!in.ellipsoid || !out.ellipsoid) return false;
  const int sign = forward ? kForward : kReverse;
  PositionDef result = forward ? to : from;
  if (!(this->*convert)(Step{forward ? from : to, result, in, out, sign, sign * direction_})) return false;
  (forward ? to : from) = result;
  return true;
}

// The stored parameters lead from the near side to the far side (a reversed
// object has negated them), so the caller's direction alone orients them.
bool CDatum::ConvertHelmert(const Step& step) { return ConvertGeocentric(step, transformation.shift); }

// The three values of a GSF file are taken as geocentric translations in
// metres, X, Y, Z: the file names both ellipsoids, and a shift between two
// ellipsoids by three values is the three-parameter datum shift. Reversed,
// they are negated with the Helmert parameters, which undoes a translation
// exactly.
bool CDatum::ConvertTranslation(const Step& step) {
  DatumShiftDef shift;
  shift.tX = transformation.gsf.values[0];
  shift.tY = transformation.gsf.values[1];
  shift.tZ = transformation.gsf.values[2];
  return ConvertGeocentric(step, shift);
}

bool CDatum::ConvertGeocentric(const Step& step, const DatumShiftDef& shift) {
  double X = step.source.X, Y = step.source.Y, Z = step.source.Z;
  HelmertStep(shift, step.direction, X, Y, Z);
  double lat = step.target.lat, lon = 0, h = 0;
  if (!GeocentricToGeographic(*step.out.ellipsoid, X, Y, Z, lat, lon, h)) return false;
  FillPosition(step.target, lat, lon, h, *step.out.ellipsoid, step.out.grid);
  // The shifted coordinates themselves, not their round trip through the
  // latitude iteration.
  step.target.X = X, step.target.Y = Y, step.target.Z = Z;
  return true;
}

// Rows 1 and 2 give way to each other at 62°, so the parameters are the
// table's for the point rather than the stored ones; they are oriented by
// the step's sense.
DatumShiftDef CDatum::NorwayShiftAt(double lat) const {
  return kNorwayRows[NorwayRowAt(row_, lat)].Shift();
}

// WGS 1984 to ED87 by the Helmert step, then ED87 to ED50 by the rule on
// the International ellipsoid (row 0 only); the reverse undoes the rule
// first.
bool CDatum::ConvertNorway(const Step& step) {
  if (row_ >= kNorwayRows.size()) return false;
  const bool withRule = row_ == 0;
  double lat = step.source.lat, lon = step.source.lon;
  const double h = step.source.height;
  if (withRule && step.sense < 0) ApplyNorwayRule(lat, lon, h, kReverse);
  double X, Y, Z;
  GeographicToGeocentric(*step.in.ellipsoid, lat, lon, h, X, Y, Z);
  HelmertStep(NorwayShiftAt(step.source.lat), step.sense, X, Y, Z);
  double outLat = lat, outLon = 0, outH = 0;
  if (!GeocentricToGeographic(*step.out.ellipsoid, X, Y, Z, outLat, outLon, outH)) return false;
  if (withRule && step.sense > 0) ApplyNorwayRule(outLat, outLon, outH, kForward);
  FillPosition(step.target, outLat, outLon, outH, *step.out.ellipsoid, step.out.grid);
  return true;
}

// Each step's grids are kept in their slot for the next point. The Area name
// follows the last region that served; a second step that finds no grid
// keeps the first step's name and says so.
bool CDatum::ConvertNadcon(const Step& step) {
  if (row_ >= std::size(kNadconSteps)) return false;
  const NadconRowDef& row = kNadconSteps[step.sense > 0 ? row_ : ReverseNadconRow(row_)];
  nadcon::Position p{step.source.lat * kDegreesPerRadianExact, step.source.lon * kDegreesPerRadianExact};
  for (int i = 0; i < row.count; ++i) {
    const NadconStepDef& s = row.steps[i];
    CNadconRegion& slot = nadconRegions[static_cast<std::size_t>(s.slot)];
    nadcon::Position next;
    const bool covered = s.inverse ? nadcon::InverseShift(p.lat, p.lon, slot, s.mode, next)
                                   : nadcon::Shift(p.lat, p.lon, slot, s.mode, next);
    if (!covered) {
      transformation.area = i == 0 ? nadcon::AreaText(slot) : transformation.area + " (Out Of Limits)";
      return false;
    }
    transformation.area = nadcon::AreaText(slot);
    p = next;
  }
  FillPosition(step.target, p.lat / kDegreesPerRadianExact, p.lon / kDegreesPerRadianExact, step.source.height,
               *step.out.ellipsoid, step.out.grid);
  return true;
}

// The grid's own shift with the longitude back east positive; false where
// no sub-grid holds the point or its cell lacks nodes.
bool CDatum::Ntv2Shift(double lat, double lon, double& shiftedLat, double& shiftedLon) {
  double a = kNaN, b = kNaN;
  if (ntv2.Shift(lat, lon, a, b) < 0 || std::isnan(a) || std::isnan(b)) return false;
  shiftedLat = a;
  shiftedLon = -b;
  return true;
}

// The row runs NAD83 to NAD27, against the grid's NAD27 to NAD83.
bool CDatum::ConvertNtv2(const Step& step) {
  const double lat = step.source.lat, lon = step.source.lon;
  double outLat = lat, outLon = lon;
  if (step.sense < 0) {
    if (!Ntv2Shift(lat, lon, outLat, outLon)) return false;
  } else {
    bool settled = false;
    for (int i = 0; i < kNtv2InverseSteps && !settled; ++i) {
      double shiftedLat, shiftedLon;
      if (!Ntv2Shift(outLat, outLon, shiftedLat, shiftedLon)) return false;
      const double dLat = lat - shiftedLat, dLon = lon - shiftedLon;
      outLat += dLat;
      outLon += dLon;
      settled = std::fabs(dLat) < kNtv2InverseTolerance && std::fabs(dLon) < kNtv2InverseTolerance;
    }
    if (!settled) return false;
  }
  FillPosition(step.target, outLat, outLon, step.source.height, *step.out.ellipsoid, step.out.grid);
  return true;
}

// ETRS89 to OSGB36 by the forward grid; back through the British grid and
// the inverse grid, the transformer's own way of reversing.
bool CDatum::ConvertOstn(const Step& step) {
  if (!ostn15.IsLoaded()) return false;
  const double lat = step.source.lat, lon = step.source.lon;
  double outLat = 0, outLon = 0;
  if (step.sense > 0) {
    if (!ostn15.InExtent(lat, lon)) return false;
    ostn15.ShiftToOsgb36(lat, lon, outLat, outLon);
    if (outLat == 0 && outLon == 0) return false;
  } else {
    double easting = 0, northing = 0;
    if (!ostn15.BritishGrid().Forward(lat, lon, &easting, &northing) ||
        !ostn15.Inverse(easting, northing, outLat, outLon))
      return false;
  }
  FillPosition(step.target, outLat, outLon, step.source.height, *step.out.ellipsoid, step.out.grid);
  return true;
}

// Grid to grid: the source's easting and northing through the block, then
// the target grid's inverse for the geographic values.
bool CDatum::ConvertAffine(const Step& step) {
  if (!step.out.grid) return false;
  double easting = 0, northing = 0;
  if (step.sense > 0) {
    AffineForward(transformation.grd, step.source.easting, step.source.northing, easting, northing);
  } else if (!AffineInverse(transformation.grd, step.source.easting, step.source.northing, easting, northing)) {
    return false;
  }
  double lat = step.target.lat, lon = 0;
  if (!step.out.grid->Inverse(easting, northing, &lat, &lon)) return false;
  FillPosition(step.target, lat, lon, step.source.height, *step.out.ellipsoid, step.out.grid);
  step.target.easting = easting;
  step.target.northing = northing;
  return true;
}
