#include "geodesy/geodesic/GeodesicInverse.h"

#include <array>

#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/geodesic/AuxiliarySphereInverse.h"
#include "geodesy/geodesic/NormalSectionInverse.h"

namespace {

using Method = bool (*)(const CSpheroid&, double, double, double, double, double&, double&);

// Indexed by CSpheroid::method.
constexpr std::array<Method, 2> kMethods{AuxiliarySphereInverse, NormalSectionInverse};
static_assert(kAuxiliarySphereMethod == 0 && kNormalSectionMethod == 1);

}  // namespace

bool GeodesicInverse(const CSpheroid& ellipsoid, double lat1, double lon1, double lat2, double lon2,
                     double* distance, double* azimuth) {
  double s = 0, alpha = 0;
  bool ok = true;
  if (ellipsoid.method < 0 || ellipsoid.method >= static_cast<int>(kMethods.size())) {
    ok = false;
  } else if (lat1 != lat2 || lon1 != lon2) {
    ok = kMethods[ellipsoid.method](ellipsoid, lat1, lon1, lat2, lon2, s, alpha);
  }
  if (distance) *distance = s;
  if (azimuth) *azimuth = alpha;
  return ok;
}
