#include "shape/ShapeEntityDef.h"

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "shape/ShapeTypes.h"

namespace {

const CSpheroid& Wgs1984() {
  static const CSpheroid ellipsoid;  // a new ellipsoid is WGS 1984
  return ellipsoid;
}

}  // namespace

double EntityLength(const SHPObject& object) {
  const auto type = FindShapeType(object.nSHPType);
  if (!type || !type->measured || object.nVertices < 2) return 0;
  const CSpheroid& wgs84 = Wgs1984();
  double total = 0;
  double lon1 = object.padfX[0] * kRadiansPerDegree, lat1 = object.padfY[0] * kRadiansPerDegree;
  for (int i = 1; i < object.nVertices; ++i) {
    const double lon2 = object.padfX[i] * kRadiansPerDegree, lat2 = object.padfY[i] * kRadiansPerDegree;
    double step = 0;
    wgs84.GeodesicInverse(lat1, lon1, lat2, lon2, &step, nullptr);
    total += step;
    lon1 = lon2, lat1 = lat2;
  }
  return total;
}
