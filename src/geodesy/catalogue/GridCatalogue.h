#pragma once
// The grid systems catalogue: about 420 grids addressed by (row, kind,
// variant). The kind picks the list (0..14, the projection kinds), the row
// the entry in it, and the variant a sub-choice where the list has one: the
// hemisphere of a UTM zone (kind 0) and the axis of the Norwegian grids
// (kind 13); every other row carries its own variant. Computed lists (UTM,
// DHDN and Gauss-Krüger, the South African Lo belts, kind 13) are worked
// out from the row; named lists are data (GridTables.h).
//
// Lifecycle: a new grid is started as UTM zone 31 north (StartNewGrid);
// SelectGrid fills it from an entry; a refused selection keeps the grid's
// definition but records the row, kind and variant asked for, as the
// module always has.

#include <cstdint>
#include <optional>
#include <string>

#include "frame/Api.h"
#include "geodesy/catalogue/GridRowDef.h"

class CGridSystem;
class CSpheroid;

inline constexpr std::uint32_t kCatalogueKindCount = 15;

// One entry worked out or looked up for a (row, kind, variant).
struct CatalogueEntry {
  std::string name, zoneName;  // Windows-1252
  GridParameters parameters;   // the variant here is the one the grid takes
  int epsg = 0;                // projected CRS of the same conversion, 0 for none
  std::uint32_t zone = 0;      // UTM zone of the UTM-based kinds, else 0
  bool computed = false;       // a UTM zone: the grid's flag byte is cleared
  bool published = true;       // false: a named grid without a definition we could find
};

// Rows of a kind's list; 0 for a kind outside 0..14.
OVERLAYS_API std::uint32_t CatalogueRowCount(std::uint32_t kind);
// The entry, or none for a row outside its list or a kind outside 0..14.
OVERLAYS_API std::optional<CatalogueEntry> FindCatalogueEntry(std::uint32_t row, std::uint32_t kind,
                                                              std::uint32_t variant);

// Fills the grid from an entry and recomputes its constants. ellipsoid is
// the grid's own (the object grid.spheroid is made to point at); the
// entry's ellipsoid row is applied to it only when it is given. False, with
// the grid's definition kept, for a row or kind outside the catalogue and
// for a row whose grid has no published definition.
OVERLAYS_API bool SelectGrid(CGridSystem& grid, CSpheroid* ellipsoid, std::uint32_t row, std::uint32_t kind,
                             std::uint32_t variant);
// UTM zone 31 north.
OVERLAYS_API void StartNewGrid(CGridSystem& grid, CSpheroid* ellipsoid);
// The grid's (row, kind, variant) applied again on the ellipsoid the grid
// points at, which is left as it is: when the entry names another
// ellipsoid, the first entry of the same kind that names this one is taken
// instead (the same grid on the other datum, as the lists pair them).
OVERLAYS_API bool ReapplyGrid(CGridSystem& grid);
