#pragma once
// The datum object as the command line's host holds it: the far ellipsoid
// and the user grid are the host's, the transformation is chosen as
// "FAMILY:ROW[:reverse]" and the grid as "KIND:ROW[:VARIANT]".

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "GridAddress.h"
#include "geodesy/datum/Datum.h"
#include "geodesy/datum/Helmert.h"
#include "geodesy/shift/NTv2.h"

namespace host {

struct DatumChoice {
  int family = 0;
  std::uint32_t row = 0;
  int direction = kForward;
};

// Throws CommandError for text that is not FAMILY:ROW or FAMILY:ROW:reverse.
DatumChoice ParseDatumChoice(const std::string& text);

// What a host does: it owns the far ellipsoid and the user grid and points
// the datum object at them.
struct DatumHost {
  DatumHost() {
    datum.farEllipsoid = &far;
    datum.userGrid = &grid;
  }
  DatumHost(const DatumHost&) = delete;
  DatumHost& operator=(const DatumHost&) = delete;
  CSpheroid far;
  CGridSystem grid;
  CDatum datum;
};

// The user grid, then the transformation, as a holder selects them; the
// near side shows the same projection on its own ellipsoid, so both sides
// of a position compare. Throws CommandError for a grid the catalogue does
// not have or a datum SetDatum refuses (`datumText` names it).
void SelectHostDatum(DatumHost& host, const DatumChoice& choice, const std::string& datumText,
                     const GridAddress& grid);

// --datum and --grid of the commands that show grid positions.
struct GridOptions {
  std::optional<std::string> datum;  // FAMILY:ROW[:reverse]
  std::optional<std::string> grid;   // KIND:ROW[:VARIANT]
};
// Throws CommandError for --grid without --datum.
void CheckGridOptions(const GridOptions& options);
// The host's datum object on the chosen grid (the UTM zone of `place`,
// radians, by default); none without --datum.
std::unique_ptr<DatumHost> HostDatumAt(const GridOptions& options, const tagXY& place);

// Gives `ntv2` the sub-grids of an NTv2 file: FILE as a host path, else
// as a file name in the "Global" data folder. Throws CommandError when
// there is no such file or it is not a well-formed NTv2 file.
void LoadNTv2Argument(CNTv2& ntv2, const std::string& file);

}  // namespace host
