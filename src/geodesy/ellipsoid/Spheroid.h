#pragma once
// One ellipsoid: its names, its defining constants and every constant the
// projections and datum conversions derive from it.
//
// Notation: a, b semi-major and semi-minor axes (metres); f flattening;
// es = e² first eccentricity squared; eps = e′² = e²/(1 − e²) second
// eccentricity squared; phi latitude (radians); nu radius of curvature in
// the prime vertical.

#include <cstdint>
#include <string>

#include "frame/Api.h"

struct SpheroidConstants {
  double f = 0;           // flattening
  double es = 0;          // e²
  double e = 0;           // e
  double halfE = 0;       // e/2
  double oneMinusEs = 0;  // 1 − e²
  double eps = 0;         // e′²
  double onePlusEps = 0;  // 1 + e′²
  double polarC = 0;      // √((1 + e)^(1+e)·(1 − e)^(1−e)), polar stereographic
  double e1 = 0;          // (1 − √(1 − e²)) / (1 + √(1 − e²))
  // Meridional arc M(phi) = a·(A0·phi − A2·sin 2phi + A4·sin 4phi − A6·sin 6phi).
  double A0 = 0, A2 = 0, A4 = 0, A6 = 0;
  double aA0 = 0;       // a·A0, metres per radian of rectifying latitude
  double arcSlope = 0;  // A0 − 2A2 + 4A4 − 6A6: dM/dphi over a at the equator
  // Footpoint latitude from the rectifying latitude mu:
  // phi = mu + fp2·sin 2mu + fp4·sin 4mu + fp6·sin 6mu + fp8·sin 8mu.
  double fp2 = 0, fp4 = 0, fp6 = 0, fp8 = 0;
};

class OVERLAYS_API CSpheroid {
 public:
  // A new ellipsoid is WGS 1984 (row 26).
  CSpheroid();

  // Loads a row of the built-in table; a row beyond the table gives false
  // and changes nothing.
  bool SelectSpheroid(std::uint32_t row);
  // Stores a (metres) and 1/f; an inverse flattening outside 290 to 310 is
  // taken as 297.0 (the International value) since no earth ellipsoid lies
  // outside that range. Derives the constants.
  void SetSpheroidParameters(double semiMajor, double inverseFlattening);
  // Recomputes every derived constant from a and invFlattening; all zero
  // when 1/f is not positive (a zeroed object).
  void DeriveSpheroid();
  // Finds the ellipsoid of that name and qualifier among the built-in rows
  // (row 26 by name alone), then among the user's SPD files in the "Global"
  // data folder. A null argument searches for the object's own names. Without
  // a match the object keeps the last one loaded and the result is false.
  bool FindSpheroid(const char* wantedName = nullptr, const char* wantedQualifier = nullptr);
  // Loads a user ellipsoid file (Windows path). A file that cannot be read
  // selects row 26 and gives false.
  bool LoadSpheroidFile(const std::string& path);

  // Geodesic distance (metres) and azimuth at the first point (radians,
  // clockwise from north in [0, 2pi)) between two points given in radians,
  // by the method this ellipsoid selects (see geodesic/GeodesicInverse.h).
  // Either output may be null.
  bool GeodesicInverse(double lat1, double lon1, double lat2, double lon2, double* distance,
                       double* azimuth) const;

  // Meridional arc from the equator to phi (radians), metres.
  double MeridionalArc(double phi) const;
  // The same from the sine and cosine of phi, for callers that have them.
  double MeridionalArc(double phi, double sinPhi, double cosPhi) const;

  std::string title;      // file title when loaded from a user file
  std::string name;       // Windows-1252
  std::string qualifier;  // second line of the name; may be empty
  double a = 0;
  double b = 0;
  double invFlattening = 0;
  std::uint32_t row = 0;
  std::int32_t code = 0;  // 0 for a user file
  int method = 0;         // GeodesicInverse method: 0 auxiliary sphere, 1 short-line normal section
  SpheroidConstants derived;

 private:
  bool Matches(const std::string& wantedName, const std::string& wantedQualifier) const;
};
