#pragma once
// The fitted conversions of kind 13, from a UTM zone on the International
// ellipsoid (ED50) into an axis of the Norwegian NGO 1948 grid and back.
// NorwegianAxesTable.cpp holds the numbers; tools/norwegian_axes writes it.
//
// Notation: E, N the UTM easting and northing; Y, X the NGO axis's easting
// and northing (NGO writes X north first); s = 536870.912 m, the unit in
// which every reduced coordinate is counted.

#include <array>
#include <span>

#include "geodesy/projection/TrianglePolynomial.h"

// Degree 5 leaves at most 0.2 mm over the widest cells (each table states
// its own residuals); degree 4 leaves up to 18 mm, degree 6 4 micrometres.
inline constexpr int kNorwegianAxisDegree = 5;
inline constexpr double kNorwegianAxisUnit = 536870.912;
inline constexpr double kNorwegianAxisEasting = 500000;  // the UTM false easting, origin of the reduced easting
inline constexpr int kNorwegianAxisCount = 8;

using NorwegianAxisPolynomial = std::array<double, TriangleTermCount(kNorwegianAxisDegree)>;

// One conversion: a zone, an axis (0 = "Axis I") and the UTM northing the
// reduced northing counts from. Forward: u = (E − 500000)/s,
// v = (N − originNorthing)/s give Y and X. Inverse: u = Y/s,
// v = (X − (originNorthing − 6430000))/s give E and N; NGO's X counts from
// 58° N, where UTM's N is near 6430000.
struct NorwegianAxisFitDef {
  int zone;
  int axis;
  double originNorthing;
  NorwegianAxisPolynomial ngoY, ngoX;  // forward
  NorwegianAxisPolynomial utmE, utmN;  // inverse
  double yMin, yMax, xMin, xMax;       // the NGO coordinates the fit covered, metres
};

// The UTM rectangle of a zone inside which its conversions were fitted:
// Norway's area of use within the zone's six degrees.
struct NorwegianZoneAreaDef {
  int zone;
  double eastingMin, eastingMax, northingMin, northingMax;
};

extern const std::span<const NorwegianAxisFitDef> kNorwegianAxisFits;
extern const std::span<const NorwegianZoneAreaDef> kNorwegianZoneAreas;
