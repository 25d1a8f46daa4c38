#pragma once
// The published conversions between UTM zone 32 on ED50 (International
// ellipsoid) and the Danish System 34, one row per region in the order of
// the grid catalogue's kind 14 list. System34Tables.cpp holds the numbers
// and says where they come from.
//
// Notation: N, E the UTM northing and easting; y, x the System 34
// coordinates as the agency writes them, y counted northward and x
// westward (metres). Each conversion works on one complex number: UTM
// positions are N + i·E, System 34 positions y − i·x, so that both planes
// turn the same way and the conversions stay analytic.

#include <array>

#include "geodesy/projection/ComplexPolynomial.h"

struct System34RegionDef {
  const char* name;                 // the catalogue's name of the row
  ComplexPolynomialDef toSystem34;  // N + i·E  →  y − i·x
  ComplexPolynomialDef toUtm;       // y − i·x  →  N + i·E
};

extern const std::array<System34RegionDef, 2> kSystem34Regions;
