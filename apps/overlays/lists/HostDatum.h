#pragma once
// The datum object as the command line names it: the transformation as
// "FAMILY:ROW[:reverse]" and the grid as "KIND:ROW[:VARIANT]".

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "DatumHost.h"
#include "geodesy/shift/NTv2.h"

namespace host {

// --datum and --grid of the commands that show grid positions.
struct GridOptions {
  std::optional<std::string> datum;  // FAMILY:ROW[:reverse]
  std::optional<std::string> grid;   // KIND:ROW[:VARIANT]
};
// Throws CommandError for --grid without --datum.
void CheckGridOptions(const GridOptions& options);
// The transformation and the grid they choose (the UTM zone of `place`,
// radians, by default); none without --datum. Throws CommandError for
// text that names neither.
std::optional<std::pair<DatumChoice, GridAddress>> ChosenDatumAndGrid(const GridOptions& options, const tagXY& place);
// The host's datum object on the chosen grid (the UTM zone of `place`,
// radians, by default); none without --datum.
std::unique_ptr<DatumHost> HostDatumAt(const GridOptions& options, const tagXY& place);

// Gives `ntv2` the sub-grids of an NTv2 file: FILE as a host path, else
// as a file name in the "Global" data folder. Throws CommandError when
// there is no such file or it is not a well-formed NTv2 file.
void LoadNTv2Argument(CNTv2& ntv2, const std::string& file);

}  // namespace host
