#pragma once
// PROJ's "+proj=horner" holding a System 34 region's published
// polynomials as our tables keep them, so that tests and benchmarks can set
// PROJ's evaluation of the same numbers beside ours. PROJ works in
// (u, v) = (imaginary, real) of the same planes: (E, N) on the UTM side and
// (−x, y) on the System 34 side.

#include <string>

#include "geodesy/projection/System34Tables.h"

// Both sets must be of one degree, as PROJ's horner takes one.
std::string System34HornerText(const System34RegionDef& region);
