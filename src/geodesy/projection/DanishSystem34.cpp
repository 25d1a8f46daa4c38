// Notation: z = (N − N0) + i·(E − E0) a UTM zone 32 position less the
// forward set's origin; w = y − i·x the System 34 position; f the forward
// polynomial and f′ its derivative. gamma is the convergence, k the point
// scale.

#include "geodesy/projection/DanishSystem34.h"

#include <complex>

#include "geodesy/projection/GridSystem.h"
#include "geodesy/projection/System34Tables.h"
#include "geodesy/projection/TransverseMercator.h"

namespace {

const System34RegionDef* RegionOf(const CGridSystem& g) {
  return g.row < kSystem34Regions.size() ? &kSystem34Regions[g.row] : nullptr;
}

bool HasRegion(const CGridSystem& g) { return RegionOf(g) != nullptr; }

// The Transverse Mercator step keeps its own constants in the grid.
void Setup(CGridSystem& g) { kTransverseMercator.setup(g); }

std::complex<double> FromOrigin(const ComplexPolynomialDef& p, std::complex<double> position) {
  return position - std::complex<double>(p.originReal, p.originImaginary);
}

// f′ at a UTM position: f turns UTM grid north by arg f′ toward east (both
// planes have north real and east imaginary), so System 34's north lies
// that much anticlockwise of UTM's; and being conformal it scales every
// direction by |f′|.
void AddPolynomialFactors(const ComplexPolynomialDef& f, std::complex<double> utm, double& gamma, double& k) {
  const std::complex<double> slope = ComplexPolynomialDerivative(f, FromOrigin(f, utm));
  gamma -= std::arg(slope);
  k *= std::abs(slope);
}

std::complex<double> UtmPlane(tagXY utm) { return {utm.y, utm.x}; }

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool withFactors) {
  const System34RegionDef& region = *RegionOf(g);
  GridPoint p = kTransverseMercator.forward(g, phi, lam, at, withFactors);
  const tagXY utm{p.easting, p.northing};
  const tagXY system34 = UtmToSystem34(region, utm);
  p.easting = system34.x;
  p.northing = system34.y;
  if (withFactors) AddPolynomialFactors(region.toSystem34, UtmPlane(utm), p.convergence, p.scale);
  return p;
}

GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double startLat, bool withFactors) {
  const System34RegionDef& region = *RegionOf(g);
  const tagXY utm = System34ToUtm(region, {easting, northing});
  GeographicPoint r = kTransverseMercator.inverse(g, utm.x, utm.y, startLat, withFactors);
  // The forward set's f′ rather than the inverse set's: one definition of
  // the factors both ways.
  if (withFactors) AddPolynomialFactors(region.toSystem34, UtmPlane(utm), r.convergence, r.scale);
  return r;
}

}  // namespace

const ProjectionOperations kDanishSystem34{Setup, Forward, Inverse, HasRegion};

tagXY UtmToSystem34(const System34RegionDef& region, tagXY utm) {
  const ComplexPolynomialDef& f = region.toSystem34;
  const std::complex<double> w = EvaluateComplexPolynomial(f, FromOrigin(f, UtmPlane(utm)));
  return {-w.imag(), w.real()};
}

tagXY System34ToUtm(const System34RegionDef& region, tagXY system34) {
  const ComplexPolynomialDef& g = region.toUtm;
  const std::complex<double> utm = EvaluateComplexPolynomial(g, FromOrigin(g, {system34.y, -system34.x}));
  return {utm.imag(), utm.real()};
}
