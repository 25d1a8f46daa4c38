#pragma once
// The ten datum families the datum object offers, −1 to 9, and the one
// entry point that fills a transformation from a (family, row) choice.
// Families differ in where their rows come from (DatumFamilyDef::rowSource)
// and in the shift their rows stand for (DatumMethod):
//   −1 geographicals only, 0 grid to grid on one ellipsoid,
//   1 Helmert from WGS 1984, 2 OSTN15, 3 Norway (Helmert then the ED87/ED50
//   rule), 4 NADCON, 5 Canadian NTv2, 6 local-to-local Helmert,
//   7 to 9 the user's DMF, GSF and GRD files in the "Global" data folder.

#include <cstdint>
#include <span>

#include "geodesy/datum/DatumFile.h"
#include "geodesy/datum/DatumRowDef.h"
#include "geodesy/datum/DatumTransformation.h"

class CSpheroid;

enum class DatumMethod { None, SameEllipsoid, Helmert, Ostn15, NorwayRule, Nadcon, Ntv2, UserHelmert, UserThreeValues,
                         UserAffine };

enum class DatumRowSource { BuiltIn, NearEllipsoid, UserFiles };

inline constexpr int kGeographicalsFamily = -1;
inline constexpr int kLastDatumFamily = 9;

struct DatumFamilyDef {
  int family;
  const char* title;  // English, for hosts that list the families
  DatumMethod method;
  DatumRowSource rowSource;
  std::span<const DatumRowDef> rows;  // BuiltIn only
  DatumFileKind fileKind;             // UserFiles only
  // The grid catalogue entry (kind, row) the family puts on the user grid,
  // or kind −1 when it leaves the user grid alone.
  int userGridKind;
  int userGridRow;
};

// The family's entry, or null outside −1..9.
const DatumFamilyDef* FindDatumFamily(int family);

// Rows of a family: the table's, 1 for family 0, the files in the listing
// for the user families; 0 outside −1..9.
std::uint32_t DatumFamilyRowCount(int family);

// Fills the names, both ellipsoids and the parameter blocks of one row.
// False, with nothing changed, for a family outside −1..9 or a row beyond
// its family. A user file that is listed but cannot be read (or is short or
// garbled) gives false too, with the defaults in place: "From" ellipsoid
// WGS 1984, "To" ellipsoid International, empty names, zero parameters,
// the file title as area. A file's ellipsoid names are resolved by
// FindSpheroid; a name that matches nothing leaves that ellipsoid as
// FindSpheroid leaves it (the last one it tried). On any user file the
// datum object's direction becomes forward.
bool SelectDatumTransformation(int family, std::uint32_t row, CSpheroid& nearEllipsoid, CSpheroid& farEllipsoid,
                               DatumTransformation& out);

// Loads one user transformation file (Windows path) as above.
bool LoadDatumFile(const std::string& path, DatumFileKind kind, CSpheroid& nearEllipsoid, CSpheroid& farEllipsoid,
                   DatumTransformation& out);
