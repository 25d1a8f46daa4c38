#pragma once
// What a host does with the datum object: it owns the far ellipsoid and the
// user grid, points the object at them and picks a catalogue grid. Each
// holder lives on its own throw-away machine, since the object reads the
// OSTN15 grids and writes the Canadian shift's settings.

#include <filesystem>
#include <memory>
#include <string>

#include "frame/Folders.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/datum/Datum.h"
#include "geodesy/shift/Ostn15.h"
#include "support/TestMachine.h"

namespace datum_holder {

// The OSTN15 grids derived at build time.
inline const std::filesystem::path kDerivedOstnGrids =
    std::filesystem::path(OVERLAYS_BINARY_DIR) / "data/grids/ostn15";

struct Holder {
  // With `ostnGrids`, the OSTN data folder shows the derived grids.
  explicit Holder(bool ostnGrids = false) {
    if (ostnGrids) {
      std::string folder;
      FindDataFolder(folder, kOstnDataFolder);
      machine.Mount(folder, kDerivedOstnGrids);
    }
    datum = std::make_unique<CDatum>();
    datum->farEllipsoid = &far;
    datum->userGrid = &grid;
  }

  // A catalogue grid on the far ellipsoid, then the transformation.
  bool Select(std::uint32_t gridRow, std::uint32_t gridKind, std::uint32_t gridVariant, int family,
              std::uint32_t row, int direction = 1) {
    SelectGrid(grid, &far, gridRow, gridKind, gridVariant);
    return datum->SetDatum(family, row, direction);
  }

  testing_support::TestMachine machine;
  CSpheroid far;
  CGridSystem grid;
  std::unique_ptr<CDatum> datum;
};

}  // namespace datum_holder
