#include "DatumHost.h"

#include "HostMachine.h"
#include "geodesy/catalogue/GridCatalogue.h"

namespace host {
namespace {

void CopyGridOnto(const CGridSystem& source, CGridSystem& target, CSpheroid* ellipsoid) {
  target = source;
  target.spheroid = ellipsoid;
  target.DeriveGrid();
}

}  // namespace

void SelectHostDatum(DatumHost& host, const DatumChoice& choice, const std::string& datumText,
                     const GridAddress& a) {
  if (!SelectGrid(host.grid, &host.far, a.row, a.kind, a.variant))
    throw CommandError("the catalogue has no grid " + std::to_string(a.kind) + ":" + std::to_string(a.row) + ":" +
                       std::to_string(a.variant) + " (see 'overlays grids')");
  if (!host.datum.SetDatum(choice.family, choice.row, choice.direction))
    throw CommandError("there is no datum " + datumText + " (see 'overlays datums')");
  // Reversing swapped the chosen grid onto the near side.
  CDatum& datum = host.datum;
  if (choice.direction == kReverse)
    CopyGridOnto(datum.nearGrid, host.grid, &host.far);
  else
    CopyGridOnto(host.grid, datum.nearGrid, &datum.nearEllipsoid);
}

}  // namespace host
