#pragma once
// Measuring a datum shift (geocentric on one ellipsoid, the Helmert step,
// geographic on the other) against PROJ's cart + helmert + inverse cart
// pipeline with the same a, 1/f and parameters given explicitly: PROJ's
// built-in ellipsoids differ from ours in a few digits (Airy 1830).

#include <gtest/gtest.h>
#include <proj.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <random>
#include <string>

#include "frame/XY.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/datum/Geocentric.h"
#include "geodesy/datum/Helmert.h"
#include "geodesy/ellipsoid/Spheroid.h"

namespace datum_oracle {

inline std::string Number(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

// The same parameters as a PROJ helmert step.
inline std::string ProjHelmert(const DatumShiftDef& p) {
  std::string d = "+proj=helmert +x=" + Number(p.tX) + " +y=" + Number(p.tY) + " +z=" + Number(p.tZ) +
                  " +rx=" + Number(p.rX) + " +ry=" + Number(p.rY) + " +rz=" + Number(p.rZ) + " +s=" + Number(p.s) +
                  " +convention=" + (p.convention == kCoordinateFrame ? "coordinate_frame" : "position_vector");
  if (p.timeDependent == 1)
    d += " +dx=" + Number(p.dtX) + " +dy=" + Number(p.dtY) + " +dz=" + Number(p.dtZ) + " +drx=" + Number(p.drX) +
         " +dry=" + Number(p.drY) + " +drz=" + Number(p.drZ) + " +ds=" + Number(p.ds) +
         " +t_epoch=" + Number(p.referenceEpoch);
  return d;
}

// Our reverse step negates every parameter, rates included; PROJ's forward
// step with the negated parameters is the same operation.
inline DatumShiftDef Negated(DatumShiftDef p) {
  for (double* v : {&p.tX, &p.tY, &p.tZ, &p.rX, &p.rY, &p.rZ, &p.s, &p.dtX, &p.dtY, &p.dtZ, &p.drX, &p.drY, &p.drZ,
                    &p.ds})
    *v = -*v;
  return p;
}

// How far the reverse step (every parameter negated) misses the exact
// inverse of the forward one, at most: with m = 1 + s and the small-angle
// rotation I + W (|W v| <= r|v|, r the length of the rotation vector), the
// two steps compose to (1 - s^2)(I - W^2)X - (s + W)T + sWT, so the miss is
// at most (s^2 + r^2)|X| + (|s| + r)(1 + |s|)|T|, with |X| the Earth's
// radius and above.
inline double NegatedReverseMiss(const DatumShiftDef& p) {
  constexpr double kRadiansPerArcSecond = std::numbers::pi / 648000, kEarthMetres = 6.4e6;
  const double s = std::fabs(p.s) * 1e-6, r = std::hypot(p.rX, p.rY, p.rZ) * kRadiansPerArcSecond;
  const double t = std::hypot(p.tX, p.tY, p.tZ);
  return (s * s + r * r) * kEarthMetres + (s + r) * (1 + s) * t;
}

inline std::string ProjEllipsoid(const CSpheroid& s) {
  return "+a=" + Number(s.a) + " +rf=" + Number(s.invFlattening);
}

inline std::uint32_t UtmZoneOf(double lonDegrees) {
  return static_cast<std::uint32_t>(std::floor((lonDegrees + 180) / 6)) + 1;
}

inline std::string ProjUtm(std::uint32_t zone, bool south, const CSpheroid& s) {
  return "+proj=utm +zone=" + std::to_string(zone) + (south ? " +south " : " ") + ProjEllipsoid(s);
}

// A PROJ pipeline run forward on plain numbers in the units of its ends.
class ProjPipeline {
 public:
  explicit ProjPipeline(const std::string& text) : pj_(proj_create(PJ_DEFAULT_CTX, text.c_str()), proj_destroy) {}
  bool Valid() const { return pj_ != nullptr; }
  tagXY Run(double x, double y) const {
    const PJ_COORD c = Run3(x, y, 0);
    return {c.xy.x, c.xy.y};
  }
  PJ_COORD Run3(double x, double y, double z) const { return proj_trans(pj_.get(), PJ_FWD, proj_coord(x, y, z, 0)); }

 private:
  std::unique_ptr<PJ, decltype(&proj_destroy)> pj_;
};

struct ShiftError {
  double north = 0, east = 0, up = 0;  // worst differences, metres
};

// Our forward shift of `count` random points (heights −100 to 3000 m)
// against PROJ running `shift` forward; the caller passes the negated
// parameters to measure our reverse direction.
inline ShiftError WorstShiftError(const CSpheroid& from, const CSpheroid& to, const DatumShiftDef& shift,
                                  const DatumShiftDef& projShift, int direction, int count, std::uint64_t seed) {
  const std::string pipeline = "+proj=pipeline +step +proj=cart " + ProjEllipsoid(from) + " +step " +
                               ProjHelmert(projShift) + " +step +inv +proj=cart " + ProjEllipsoid(to);
  const std::unique_ptr<PJ, decltype(&proj_destroy)> proj(proj_create(PJ_DEFAULT_CTX, pipeline.c_str()),
                                                          proj_destroy);
  EXPECT_NE(proj, nullptr) << pipeline;
  ShiftError worst;
  if (!proj) return worst;
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> u(-0.999, 0.999), lon(-180, 180), height(-100, 3000);
  for (int i = 0; i < count; ++i) {
    const double phi0 = std::asin(u(rng)), lam0 = lon(rng) * kRadiansPerDegree, h0 = height(rng);
    const PJ_COORD expected = proj_trans(proj.get(), PJ_FWD, proj_coord(lam0, phi0, h0, shift.epochOfUse));
    double X, Y, Z;
    GeographicToGeocentric(from, phi0, lam0, h0, X, Y, Z);
    HelmertStep(shift, direction, X, Y, Z);
    double phi = phi0, lam = 0, h = 0;
    EXPECT_TRUE(GeocentricToGeographic(to, X, Y, Z, phi, lam, h));
    worst.north = std::max(worst.north, std::fabs(phi - expected.lpz.phi) * to.a);
    worst.east = std::max(worst.east, std::fabs(std::remainder(lam - expected.lpz.lam, 2 * std::numbers::pi)) *
                                          to.a * std::cos(phi));
    worst.up = std::max(worst.up, std::fabs(h - expected.lpz.z));
  }
  return worst;
}

}  // namespace datum_oracle
