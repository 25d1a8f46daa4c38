// Every projection kind and variant of the module, and the operations that
// serve it. A row without operations names a kind the grids may carry but
// this version cannot compute: Forward and Inverse leave their outputs
// untouched and say false, rather than give numbers of another kind.

#include <array>

#include "geodesy/projection/Cassini.h"
#include "geodesy/projection/DanishSystem34.h"
#include "geodesy/projection/Guam.h"
#include "geodesy/projection/HotineObliqueMercator.h"
#include "geodesy/projection/LambertConformalConic.h"
#include "geodesy/projection/LambertNearConformal.h"
#include "geodesy/projection/Mercator.h"
#include "geodesy/projection/NorwegianAxes.h"
#include "geodesy/projection/ObliqueStereographic.h"
#include "geodesy/projection/PolarStereographic.h"
#include "geodesy/projection/Polyconic.h"
#include "geodesy/projection/StatePlaneLambert27.h"
#include "geodesy/projection/StatePlaneTransverseMercator27.h"
#include "geodesy/projection/ProjectionKind.h"
#include "geodesy/projection/TransverseMercator.h"

namespace {

constexpr ProjectionKindDef kProjectionKinds[] = {
    {0, kAnyVariant, "Transverse Mercator", &kTransverseMercator},
    {1, kAnyVariant, "Transverse Mercator", &kTransverseMercator},
    {2, kAnyVariant, "Transverse Mercator", &kTransverseMercator},
    {3, kAnyVariant, "Transverse Mercator, south-orientated", &kSouthOrientatedTransverseMercator},
    {4, kAnyVariant, "Transverse Mercator", &kTransverseMercator},
    {5, kAnyVariant, "Mercator", &kMercator},
    {6, 0, "Lambert Conic Near-Conformal", &kLambertNearConformal},
    {6, 1, "Lambert Conformal Conic, tan(pi/4 - phi/2) form", &kLambertConformalConicTanForm},
    {6, 2, "Lambert Conformal Conic", &kLambertConformalConic},
    {7, kAnyVariant, "Cassini-Soldner", &kCassiniSoldner},
    {8, kAnyVariant, "First-order Cassini", &kFirstOrderCassini},
    {9, 0, "Oblique Stereographic", &kObliqueStereographic},
    {9, 1, "Oblique Stereographic", &kObliqueStereographic},
    {9, 2, "Polar Stereographic", &kPolarStereographic},
    {10, kAnyVariant, "American Polyconic", &kAmericanPolyconic},
    {11, 0, "Hotine Oblique Mercator", &kHotineCentreOrigin},
    {11, 1, "Hotine Oblique Mercator", &kHotineNaturalOrigin},
    {11, 2, "Rectified Skew Orthomorphic", &kHotineNaturalOrigin},
    {11, 3, "Rectified Skew Orthomorphic", &kHotineNaturalOrigin},
    {12, 0, "Transverse Mercator", &kTransverseMercator},
    {12, 1, "US State Plane 1927, Lambert", &kStatePlaneLambert27},
    {12, 2, "US State Plane 1927, Transverse Mercator", &kStatePlaneTransverseMercator27},
    {12, 3, "Hotine Oblique Mercator", &kHotineNaturalOrigin},
    {13, kAnyVariant, "Transverse Mercator, Norwegian axes", &kNorwegianAxes,
     "UTM zones 31 to 35 on the International ellipsoid (k0 0.9996, false easting 500000), axes 0 to 7"},
    {14, kAnyVariant, "Transverse Mercator, complex polynomial", &kDanishSystem34,
     "rows 0 (Sjaelland) and 1 (Jylland)"},
};

}  // namespace

const ProjectionKindDef* FindProjectionKind(std::uint32_t kind, std::uint32_t variant) {
  for (const ProjectionKindDef& def : kProjectionKinds)
    if (def.kind == kind && (def.variant == kAnyVariant || def.variant == variant)) return &def;
  return nullptr;
}
