#pragma once
// Measuring a grid against PROJ: bands of random points across a grid's
// area of use, forward and inverse, with the convergence and point scale,
// and our own forward then inverse, printed as an error envelope and
// checked against a bound per band.

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"

namespace projection_oracle {

// PROJ reads degrees with the exact factor and ours uses 0.017453292519943
// (2e-14 relative off): angles are handed over as our radians in exact
// degrees, and points as radians, so both see the same angles.
inline constexpr double kExactDegreesPerRadian = 180 / std::numbers::pi;

// A bound that is not checked: a kind that gives no convergence or scale.
inline constexpr double kNotCompared = std::numeric_limits<double>::infinity();

// "+proj=<proj> +a +b +lat_0 +lon_0 +k_0 +x_0 +y_0" of a grid; extra is
// appended as it stands (further parameters, or a replacement for k_0).
inline std::string ProjText(const CGridSystem& g, const char* proj, const std::string& extra = "",
                            bool withScale = true) {
  const CSpheroid& s = *g.spheroid;
  char text[512];
  std::snprintf(text, sizeof text, "+proj=%s +a=%.17g +b=%.17g +lat_0=%.17g +lon_0=%.17g +x_0=%.17g +y_0=%.17g", proj,
                s.a, s.b, g.lat0 * kExactDegreesPerRadian, g.lon0 * kExactDegreesPerRadian, g.falseEasting,
                g.falseNorthing);
  std::string result = text;
  if (withScale) {
    std::snprintf(text, sizeof text, " +k_0=%.17g", g.scale);
    result += text;
  }
  return result + (extra.empty() ? "" : " " + extra);
}

// A grid and the ellipsoid it points at, made together (the grid keeps a
// pointer, so the pair is never copied).
struct OwnedGrid {
  CSpheroid spheroid;
  CGridSystem grid;
  OwnedGrid(unsigned kind, unsigned variant, unsigned ellipsoidRow, double lat0, double lon0, double k0, double fe,
            double fn) {
    spheroid.SelectSpheroid(ellipsoidRow);
    grid.kind = kind;
    grid.variant = variant;
    grid.spheroid = &spheroid;
    grid.SetOriginDegrees(fn, k0, lat0, lon0, fe);
  }
  OwnedGrid(const OwnedGrid&) = delete;
  OwnedGrid& operator=(const OwnedGrid&) = delete;
};

// The distance on the ground between two positions near phi, metres.
inline double GroundDistance(const CSpheroid& s, double phi, double dPhi, double dLam) {
  const double nu = s.a / std::sqrt(1 - s.derived.es * std::pow(std::sin(phi), 2));
  return std::hypot(dPhi * nu, std::remainder(dLam, 2 * std::numbers::pi) * nu * std::cos(phi));
}

class ProjOperation {
 public:
  explicit ProjOperation(const std::string& text) : op_(proj_create(context_, text.c_str())) {}
  ProjOperation(const ProjOperation&) = delete;
  ProjOperation& operator=(const ProjOperation&) = delete;
  ~ProjOperation() {
    proj_destroy(op_);
    proj_context_destroy(context_);
  }
  bool Valid() const { return op_ != nullptr; }
  PJ_XY Forward(double phi, double lam) const { return proj_trans(op_, PJ_FWD, proj_coord(lam, phi, 0, 0)).xy; }
  PJ_LP Inverse(double e, double n) const { return proj_trans(op_, PJ_INV, proj_coord(e, n, 0, 0)).lp; }
  PJ_FACTORS Factors(double phi, double lam) const { return proj_factors(op_, proj_coord(lam, phi, 0, 0)); }

 private:
  PJ_CONTEXT* context_ = proj_context_create();
  PJ* op_ = nullptr;
};

// The largest of each error over a band of points, or the bounds on them.
// The round trip needs no oracle, so it may be bounded more tightly, or
// over a wider area, than PROJ's numbers allow.
struct Envelope {
  double forward, inverse;        // metres
  double convergence;             // arc-seconds
  double scale;                   // relative
  double roundTrip = kNotCompared;  // metres, our forward then inverse
};

inline double ArcSeconds(double radians) { return std::fabs(radians) * kDegreesPerRadian * 3600; }

// Points with latitudes uniform in [latLo, latHi] and longitude offsets from
// lon0 uniform in ±[dlamLo, dlamHi] degrees.
struct Band {
  const char* label;
  double latLo, latHi, dlamLo, dlamHi;
  Envelope bound;
};

inline constexpr int kPointsPerBand = 4000;

// PROJ's factor that the kind's point scale answers to: the parallel scale
// (on a conformal kind the meridional one is the same, but PROJ's
// derivative of it is coarser), or the meridional one of a kind true to
// scale along its parallels.
using ScaleFactor = double PJ_FACTORS::*;

inline Envelope Measure(const CGridSystem& g, const ProjOperation& proj, const Band& band, unsigned seed,
                        ScaleFactor scale) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> lat(band.latLo, band.latHi), dlam(band.dlamLo, band.dlamHi);
  std::bernoulli_distribution west(0.5);
  const CSpheroid& s = *g.spheroid;
  Envelope e{0, 0, 0, 0, 0};
  for (int i = 0; i < kPointsPerBand; ++i) {
    const double phi = lat(rng) * kRadiansPerDegree;
    const double lam = g.lon0 + (west(rng) ? -1 : 1) * dlam(rng) * kRadiansPerDegree;
    double E = 0, N = 0, gamma = 0, k = 0;
    g.Forward(phi, lam, &E, &N, &gamma, &k);
    const PJ_XY exact = proj.Forward(phi, lam);
    e.forward = std::max(e.forward, std::hypot(E - exact.x, N - exact.y));
    // Ours inverted from PROJ's exact easting and northing, as a ground
    // distance from the point.
    double phiBack = 0, lamBack = 0, gammaBack = 0, kBack = 0;
    g.Inverse(exact.x, exact.y, &phiBack, &lamBack, &gammaBack, &kBack);
    e.inverse = std::max(e.inverse, GroundDistance(s, phi, phiBack - phi, lamBack - lam));
    const PJ_FACTORS f = proj.Factors(phi, lam);
    e.convergence = std::max({e.convergence, ArcSeconds(gamma - f.meridian_convergence),
                              ArcSeconds(gammaBack - f.meridian_convergence)});
    e.scale = std::max({e.scale, std::fabs(k / (f.*scale) - 1), std::fabs(kBack / (f.*scale) - 1)});
    g.Inverse(E, N, &phiBack, &lamBack);
    e.roundTrip = std::max(e.roundTrip, GroundDistance(s, phi, phiBack - phi, lamBack - lam));
  }
  return e;
}

inline void CheckBands(const char* label, const CGridSystem& g, const std::string& projText,
                       const std::vector<Band>& bands, ScaleFactor scale = &PJ_FACTORS::parallel_scale) {
  const ProjOperation op(projText);
  ASSERT_TRUE(op.Valid()) << label << ": " << projText;
  std::printf("%s against PROJ %s, %d points per band\n", label, projText.c_str(), kPointsPerBand);
  std::printf("%-12s %14s %14s %14s %14s %14s\n", "band", "forward (m)", "inverse (m)", "converg. (\")",
              "scale (rel)", "round (m)");
  unsigned seed = 7;
  for (const Band& band : bands) {
    const Envelope e = Measure(g, op, band, ++seed, scale);
    std::printf("%-12s %14.3g %14.3g %14.3g %14.3g %14.3g\n", band.label, e.forward, e.inverse, e.convergence,
                e.scale, e.roundTrip);
    EXPECT_LT(e.roundTrip, band.bound.roundTrip) << label << " " << band.label;
    EXPECT_LT(e.forward, band.bound.forward) << label << " " << band.label;
    EXPECT_LT(e.inverse, band.bound.inverse) << label << " " << band.label;
    if (band.bound.convergence != kNotCompared) {
      EXPECT_LT(e.convergence, band.bound.convergence) << label << " " << band.label;
    }
    if (band.bound.scale != kNotCompared) {
      EXPECT_LT(e.scale, band.bound.scale) << label << " " << band.label;
    }
  }
}

}  // namespace projection_oracle
