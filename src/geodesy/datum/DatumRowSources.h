#pragma once
// The three ways a datum family gets its rows, one file each, behind the
// dispatch of DatumFamilyTable.cpp. Each `Select` is called with a row
// already checked against its `Count`.

#include "geodesy/datum/DatumFamilies.h"

// Rows of a constant table (BuiltInDatumRow.cpp).
std::uint32_t CountBuiltInRows(const DatumFamilyDef& family);
bool SelectBuiltInRow(const DatumFamilyDef& family, std::uint32_t row, CSpheroid& nearEllipsoid,
                      CSpheroid& farEllipsoid, DatumTransformation& out);

// The one grid-to-grid row, made from the near ellipsoid (GridToGridRow.cpp).
std::uint32_t CountGridToGridRows(const DatumFamilyDef& family);
bool SelectGridToGridRow(const DatumFamilyDef& family, std::uint32_t row, CSpheroid& nearEllipsoid,
                         CSpheroid& farEllipsoid, DatumTransformation& out);

// The user's files of one extension (UserDatumFile.cpp).
std::uint32_t CountUserFileRows(const DatumFamilyDef& family);
bool SelectUserFileRow(const DatumFamilyDef& family, std::uint32_t row, CSpheroid& nearEllipsoid,
                       CSpheroid& farEllipsoid, DatumTransformation& out);
