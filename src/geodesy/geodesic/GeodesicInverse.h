#pragma once
// Distance and initial azimuth between two points of an ellipsoid.
//
// Accuracy against the exact geodesic (GeographicLib 2.1, WGS 1984, 5,000
// random lines per band; tests/geodesy/GeodesicOracle_test.cpp prints the
// table):
//
//   method 0, auxiliary sphere   distance error      azimuth error
//                                max       99 %      max        99 %
//     up to 10 km                5 um      3 um      0.0004"    0.0002"
//     10 to 100 km               0.06 mm   0.04 mm   0.03"      0.02"
//     100 to 1000 km             0.6 mm    0.4 mm    2.7"       2.0"
//     1000 to 20000 km           1.6 mm    1.2 mm    79°        2.1°
//
//   method 1, normal section
//     1 m to 1 km                0.3 mm    2 nm      1.3°       0.0002"
//     1 to 20 km                 1.4 um    0.6 um    0.001"     0.0008"
//     20 to 100 km               0.2 mm    0.1 mm    0.03"      0.02"
//
// The distance of method 0 is good for any line; its error grows with
// length from the truncation of the series on the auxiliary sphere. Its
// azimuth is that of the normal section, not of the geodesic: the two part
// by about e′²·sigma²/12, so beyond 1000 km it is a direction, not a
// geodesic azimuth, and near the antipode it can be anything. Method 0
// refuses lines within about a degree of antipodal (1 in 5,000 random
// lines of the longest band).
//
// Method 1 is for short lines, up to 20 km. It takes differences below
// 0.001" (3 cm) as none, so a line of a metre within 3 cm of east-west gets
// an azimuth of exactly 90° or 270°; that is the 1.3° above, and the 0.3 mm.

class CSpheroid;

inline constexpr int kAuxiliarySphereMethod = 0;
inline constexpr int kNormalSectionMethod = 1;

// lat/lon in radians. Both outputs (either may be null) start at 0;
// identical points give 0 and true. False for a method number other than 0
// or 1, and when method 0 cannot settle (nearly antipodal points).
bool GeodesicInverse(const CSpheroid& ellipsoid, double lat1, double lon1, double lat2, double lon2,
                     double* distance, double* azimuth);
