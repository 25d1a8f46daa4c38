#pragma once
// The named grid lists of the catalogue, one data file per list family:
// TransverseMercatorGrids.cpp (kind 1), NamedGrids.cpp (the short lists of
// kinds 5 to 11 and 14) and StatePlaneGrids.cpp (generated: kinds 4, 6
// from row 8, and 12). GridCatalogue.cpp addresses them by kind and row.

#include <cstddef>

#include "geodesy/catalogue/GridRowDef.h"

inline constexpr std::size_t kTransverseMercatorRowCount = 42;
inline constexpr std::size_t kStatePlane83TransverseMercatorRowCount = 54;
inline constexpr std::size_t kNamedConicRowCount = 8;
inline constexpr std::size_t kStatePlane83LambertRowCount = 68;
inline constexpr std::size_t kStatePlane27RowCount = 130;

extern const GridRowDef kTransverseMercatorRows[kTransverseMercatorRowCount];
extern const GridRowDef kStatePlane83TransverseMercatorRows[kStatePlane83TransverseMercatorRowCount];
extern const GridRowDef kMercatorRows[5];
// Kind 6: the named conics, then the NAD 83 Lambert zones from row 8.
extern const GridRowDef kNamedConicRows[kNamedConicRowCount];
extern const GridRowDef kStatePlane83LambertRows[kStatePlane83LambertRowCount];
extern const GridRowDef kCassiniRows[2];
extern const GridRowDef kGuamRows[1];
extern const GridRowDef kStereographicRows[3];
extern const GridRowDef kPolyconicRows[1];
extern const GridRowDef kObliqueMercatorRows[4];
extern const GridRowDef kStatePlane27Rows[kStatePlane27RowCount];
extern const GridRowDef kSystem34Rows[2];
