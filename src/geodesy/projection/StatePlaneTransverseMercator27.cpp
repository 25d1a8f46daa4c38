// Notation, lengths in US survey feet unless said: lam″ the longitude from
// the central meridian in arc-seconds; W = 1 − e²·sin²phi; H = nu·cos phi·
// sin(lam − lon0) in metres, the easting on the sphere of radius nu before
// its stretch; phi′ the footpoint latitude, whose meridional arc is the
// point's northing over k0; psi = nu/rho = 1 + e′²·cos²phi.
//
// The easting is the coast survey's: H′ = H + c2·H³ undoes the sphere's
// stretch (nu·atanh(H/nu) to its cube) and c3·H′³ adds the ellipsoid's part
// of the cube, so that c4·H′ + c3·H′³ is k0·nu·(A + (1 − T + C)·A³/6) with
// A = Δlam·cos phi, T = tan²phi, C = e′²·cos²phi. The zone constants c2 =
// 1/(3·nu0²), c3 = c4·e′²·cos²lat0/(6·nu0²) and c4 = k0 (feet per metre)
// are those of the latitude of origin; nu and C drifting from them across a
// zone 6° tall cost up to 5 mm of the easting at its far edge.

#include "geodesy/projection/StatePlaneTransverseMercator27.h"

#include <cmath>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/geodesic/GeodesicMath.h"
#include "geodesy/projection/CoastSurveyClarke1866.h"
#include "geodesy/projection/GridSystem.h"

namespace {

using namespace coast_survey;

// e′² = e²/(1 − e²) of the coast survey's Clarke 1866.
constexpr double kEps = 0.0068147849;
// a·(radians per arc-second), metres: H = cos phi·this/√W·sin lam″.
constexpr double kAMetresPerArcSecond = 30.92241724;
constexpr double kAMetres = kAMetresPerArcSecond / kRadiansPerArcSecond;
// sin lam″ = lam″ − c1·lam″³ (lam″ in arc-seconds, the result too).
constexpr double kC1 = kRadiansPerArcSecond * kRadiansPerArcSecond / 6;
// The cube of the convergence's series, per arc-second squared, times 1e12.
constexpr double kConvergenceCube = 1.9587;

// Kind constants, feet.
constexpr std::size_t kM0 = 0;            // meridional arc of lat0
constexpr std::size_t kEastingFeet = 1;   // false easting
constexpr std::size_t kNorthingFeet = 2;  // false northing
constexpr std::size_t kC2 = 3, kC3 = 4, kC4 = 5;  // the easting's, metres⁻² and feet per metre

double ArcFeet(double phi, double sinPhi, double cosPhi) {
  return RectifyingArcSeconds(phi, sinPhi, cosPhi) * kFeetPerArcSecondOfArc;
}

double FootpointLatitude(const CGridSystem& g, double dNFeet) {
  const double m = dNFeet / g.scale + g.constants[kM0];
  return LatitudeOfRectifying(m / kFeetPerArcSecondOfArc * kRadiansPerArcSecond);
}

void Setup(CGridSystem& g) {
  auto& c = g.constants;
  c[kM0] = ArcFeet(g.lat0, std::sin(g.lat0), std::cos(g.lat0));
  c[kEastingFeet] = g.falseEasting * kFeetPerMetre;
  c[kNorthingFeet] = g.falseNorthing * kFeetPerMetre;
  const double sinLat0 = std::sin(g.lat0), cos2Lat0 = std::cos(g.lat0) * std::cos(g.lat0);
  const double nu0Squared = kAMetres * kAMetres / (1 - kEs * sinLat0 * sinLat0);
  c[kC4] = g.scale * kFeetPerMetre;
  c[kC2] = 1 / (3 * nu0Squared);
  c[kC3] = c[kC4] * kEps * cos2Lat0 / (6 * nu0Squared);
}

// Convergence from the mean of the latitude and the footpoint latitude,
// where Δlam·sin phī carries most of the series' cube; point scale
// k0·(1 + psi′·x²/2 + x⁴/24) with x = ΔE/(k0·nu′) at the footpoint.
template <typename Point>
void SetFactors(const CGridSystem& g, double lamSeconds, double phi, double phiFoot, double dEFeet, Point& p) {
  const double phiMean = (phi + phiFoot) / 2, sinMean = std::sin(phiMean), cosMean = std::cos(phiMean);
  p.convergence = (lamSeconds * lamSeconds * kConvergenceCube * sinMean * cosMean * cosMean / 1e12 + sinMean) *
                  lamSeconds * kRadiansPerArcSecond;
  const double sinF = std::sin(phiFoot), cosF = std::cos(phiFoot);
  const double x = dEFeet * std::sqrt(1 - kEs * sinF * sinF) / (g.scale * kAFeet), x2 = x * x;
  p.scale = g.scale * (1 + (1 + kEps * cosF * cosF) * x2 / 2 + x2 * x2 / 24);
}

GridPoint Forward(const CGridSystem& g, double phi, double lam, const LatitudeTerms& at, bool withFactors) {
  const double omega = geodesic::NormalizedDifference(lam - g.lon0), lamSeconds = omega * kArcSecondsPerRadian;
  const double sin2 = at.sinPhi * at.sinPhi, cos2 = at.cosPhi * at.cosPhi, w = 1 - kEs * sin2;
  const double rootW = std::sqrt(w);
  const double h = at.cosPhi * kAMetresPerArcSecond / rootW * (lamSeconds - lamSeconds * lamSeconds * lamSeconds * kC1);
  const double hp = h + g.constants[kC2] * h * h * h;
  const double dE = (g.constants[kC3] * hp * hp + g.constants[kC4]) * hp;
  // The northing by the Transverse Mercator series, on the coast survey's arc.
  const double nu = kAFeet / rootW, t2 = sin2 / cos2, psi = 1 + kEps * cos2;
  const double K = omega * omega * cos2 / 3;
  const double dN = g.scale * (ArcFeet(phi, at.sinPhi, at.cosPhi) - g.constants[kM0] +
                               nu * omega * omega * at.sinPhi * at.cosPhi * (0.5 + K * (4 * psi * psi + psi - t2) / 8));
  GridPoint p;
  p.easting = (dE + g.constants[kEastingFeet]) * kMetresPerFoot;
  p.northing = (dN + g.constants[kNorthingFeet]) * kMetresPerFoot;
  if (withFactors) SetFactors(g, lamSeconds, phi, FootpointLatitude(g, dN), dE, p);
  return p;
}

// The Transverse Mercator inverse series about the footpoint.
GeographicPoint Inverse(const CGridSystem& g, double easting, double northing, double, bool withFactors) {
  const double dE = easting * kFeetPerMetre - g.constants[kEastingFeet];
  const double dN = northing * kFeetPerMetre - g.constants[kNorthingFeet];
  GeographicPoint p;
  // A position that is not a number has no footpoint; latitude 0 says so.
  p.settled = std::isfinite(dE) && std::isfinite(dN);
  if (!p.settled) return p;
  const double phiFoot = FootpointLatitude(g, dN);
  const double sinF = std::sin(phiFoot), cosF = std::cos(phiFoot), cos2 = cosF * cosF;
  const double t = sinF / cosF, t2 = t * t, psi = 1 + kEps * cos2, psi2 = psi * psi;
  const double x = dE * std::sqrt(1 - kEs * sinF * sinF) / (g.scale * kAFeet), x2 = x * x, x4 = x2 * x2;
  p.lat = phiFoot - psi * t * x2 / 2 * (1 - x2 / 12 * (9 * psi * (1 - t2) - 4 * psi2 + 12 * t2));
  const double omega =
      x / cosF *
      (1 - x2 / 6 * (2 * t2 + psi) + x4 / 120 * ((9 - 68 * t2 - 4 * psi * (1 - 6 * t2)) * psi2 + 24 * t2 * (3 * psi + t2)));
  p.lon = geodesic::NormalizedDifference(g.lon0 + omega);
  if (withFactors) SetFactors(g, omega * kArcSecondsPerRadian, p.lat, phiFoot, dE, p);
  return p;
}

}  // namespace

const ProjectionOperations kStatePlaneTransverseMercator27{Setup, Forward, Inverse};
