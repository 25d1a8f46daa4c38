#pragma once
// The datum object as a host holds it: the far ellipsoid and the user grid
// are the host's, and the datum object points at them. Both hosts choose a
// transformation (family, row, direction) and a catalogue grid for it.

#include <cstdint>
#include <string>

#include "GridAddress.h"
#include "geodesy/datum/Datum.h"
#include "geodesy/datum/Helmert.h"

namespace host {

struct DatumChoice {
  int family = 0;
  std::uint32_t row = 0;
  int direction = kForward;
};

// "FAMILY:ROW" or "FAMILY:ROW:reverse", as both hosts write a choice.
// Throws CommandError for any other text.
DatumChoice ParseDatumChoice(const std::string& text);
// The text ParseDatumChoice reads back.
std::string DatumChoiceText(const DatumChoice& choice);

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

}  // namespace host
