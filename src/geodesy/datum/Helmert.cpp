#include "geodesy/datum/Helmert.h"

#include "geodesy/angle/AngleUnits.h"

namespace {

constexpr double kSecondsPerDegree = 3600.0;
constexpr double kPartsPerMillion = 1000000.0;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kDaysPerYear = 365.0;

// The step with the parameters as given (already moved to the epoch).
void ApplyParameters(const DatumShiftDef& p, int direction, double& X, double& Y, double& Z) {
  const double d = direction < 0 ? -1.0 : 1.0;
  const double toRadians = (p.convention == kCoordinateFrame ? -d : d) * kRadiansPerDegree / kSecondsPerDegree;
  const double rX = p.rX * toRadians, rY = p.rY * toRadians, rZ = p.rZ * toRadians;
  const double m = 1 + d * p.s / kPartsPerMillion;
  const double x = X, y = Y, z = Z;
  X = (x - rZ * y + rY * z) * m + d * p.tX;
  Y = (rZ * x + y - rX * z) * m + d * p.tY;
  Z = (-rY * x + rX * y + z) * m + d * p.tZ;
}

}  // namespace

double DecimalYear(const platform::fs::LocalTime& when) {
  const double seconds = when.hour * 3600.0 + when.minute * 60.0 + when.second;
  return when.year + (when.dayOfYear + seconds / kSecondsPerDay) / kDaysPerYear;
}

double EpochOfUse(const DatumShiftDef& shift) {
  return shift.fixedEpoch == 1 ? shift.epochOfUse : DecimalYear(platform::fs::GetLocalTime());
}

DatumShiftDef ParametersAtEpoch(const DatumShiftDef& shift, double t) {
  const double years = t - shift.referenceEpoch;
  DatumShiftDef moved = shift;
  moved.tX += shift.dtX * years;
  moved.tY += shift.dtY * years;
  moved.tZ += shift.dtZ * years;
  moved.rX += shift.drX * years;
  moved.rY += shift.drY * years;
  moved.rZ += shift.drZ * years;
  moved.s += shift.ds * years;
  return moved;
}

void HelmertStep(const DatumShiftDef& stored, int direction, double& X, double& Y, double& Z) {
  if (stored.timeDependent == 1)
    ApplyParameters(ParametersAtEpoch(stored, EpochOfUse(stored)), direction, X, Y, Z);
  else
    ApplyParameters(stored, direction, X, Y, Z);
}
