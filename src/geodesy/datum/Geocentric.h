#pragma once
// Geographic coordinates to earth-centred Cartesian ones and back.
//
// Notation: phi latitude, lam longitude (radians); h ellipsoidal height and
// X, Y, Z geocentric coordinates (metres); a semi-major axis; es = e²;
// nu = a/√(1 − e²·sin²phi), the radius of curvature in the prime vertical;
// p = √(X² + Y²), the distance from the polar axis.

#include "geodesy/angle/AngleUnits.h"

class CSpheroid;

// One step of the latitude iteration is smaller than this (0.001
// arc-second, about 3 cm on the ground) when it stops. Each step shrinks the
// error by about e²·cos²phi, so the result is within a few 1e-11 radians
// (a fraction of a millimetre) of the fixed point.
inline constexpr double kLatitudeTolerance = kRadiansPerMilliArcSecond;

// The fixed-point map is increasing and bounded, so the latitudes always
// converge; its slope is about e²·nu/p·cos²phi, which takes any point more
// than about 50 km from the polar axis there in under ten steps. The cap
// only guards points deep inside the earth near p = e²·a, where the slope
// nears 1 and the steps shrink arbitrarily slowly.
inline constexpr int kMaxLatitudeIterations = 100;

// On an ellipsoid with e² ≤ 0 (a sphere or a zeroed object) the result is
// X = Y = Z = 0.
void GeographicToGeocentric(const CSpheroid& ellipsoid, double phi, double lam, double h, double& X, double& Y,
                            double& Z);

// phi is read as the seed of the latitude iteration (callers pass the
// latitude of the point before a datum shift, which is within a few
// arc-seconds of the answer) and receives the result. False when e² ≤ 0
// (nothing computed), when the point lies on the polar axis (latitude 0),
// or when the iteration does not settle within its cap.
bool GeocentricToGeographic(const CSpheroid& ellipsoid, double X, double Y, double Z, double& phi, double& lam,
                            double& h);
