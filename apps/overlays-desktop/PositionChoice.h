#pragma once
// How the desktop host shows positions beyond latitude and longitude: the
// datum transformation and the catalogue grid the user chose, kept in a
// settings file of the host's own ("Desktop Position") and applied to the
// host's datum object, which the chart's read-out and the module's dialogs
// share.

#include "DatumHost.h"
#include "GridAddress.h"
#include "HostDatum.h"

namespace desktop {

inline constexpr char kPositionSettingsGroup[] = "Desktop Position";
// Latitude and longitude only: no grid positions anywhere.
inline constexpr int kGeographicalsOnly = -1;

struct PositionChoice {
  host::DatumChoice datum{kGeographicalsOnly, 0, kForward};
  host::GridAddress grid;  // UTM zone 0 north, as a new grid starts
};

// What was saved ("Datum = FAMILY:ROW[:reverse]", "Grid = KIND:ROW:VARIANT");
// latitude and longitude only when nothing was, or what was does not read.
PositionChoice LoadPositionChoice();
// False when the file could not be written.
bool SavePositionChoice(const PositionChoice& choice);
// The choice a run starts with: what --datum and --grid choose (the UTM
// zone of `place`, radians, without --grid), checked against the tables and
// the catalogue (CommandError saying what is wrong, as the command line
// says it); else the saved one.
PositionChoice StartingPositionChoice(const host::GridOptions& options, const tagXY& place);
// Points the host's datum object at the choice. A choice the tables or
// the catalogue no longer hold (a user file since deleted, say) leaves it
// showing latitude and longitude only, and gives false.
bool ApplyPositionChoice(host::DatumHost& holder, const PositionChoice& choice);

}  // namespace desktop
