#pragma once
// Distance and initial azimuth between two points of an ellipsoid.
//
// Method 0, the auxiliary-sphere inverse (AuxiliarySphereInverse.h): the
// distance follows the geodesic to within ACCURACY0. Its azimuth is that of
// the normal section, not of the geodesic: AZIMUTH0.
//
// Method 1, the short-line normal-section formula (NormalSectionInverse.h):
// ACCURACY1.
//
// Figures measured against an exact geodesic solution on WGS 1984 with
// random lines (tests/geodesy/GeodesicOracle_test.cpp prints the table).

class CSpheroid;

inline constexpr int kAuxiliarySphereMethod = 0;
inline constexpr int kNormalSectionMethod = 1;

// lat/lon in radians. Both outputs (either may be null) start at 0;
// identical points give 0 and true. False for a method number other than 0
// or 1, and when method 0 cannot settle (nearly antipodal points).
bool GeodesicInverse(const CSpheroid& ellipsoid, double lat1, double lon1, double lat2, double lon2,
                     double* distance, double* azimuth);
