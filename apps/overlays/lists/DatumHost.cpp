#include "DatumHost.h"

#include <charconv>

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

DatumChoice ParseDatumChoice(const std::string& text) {
  DatumChoice c;
  const char *p = text.data(), *end = p + text.size();
  auto [afterFamily, e1] = std::from_chars(p, end, c.family);
  bool ok = e1 == std::errc() && afterFamily != end && *afterFamily == ':';
  const char* afterRow = afterFamily;
  if (ok) {
    const auto [next, e2] = std::from_chars(afterFamily + 1, end, c.row);
    ok = e2 == std::errc() && next != afterFamily + 1;
    afterRow = next;
  }
  const std::string rest(afterRow, end);
  if (ok && rest == ":reverse") c.direction = kReverse;
  if (!ok || !(rest.empty() || rest == ":reverse"))
    throw CommandError("'" + text + "' is not a datum: give FAMILY:ROW or FAMILY:ROW:reverse, as 'overlays datums' "
                       "lists them");
  return c;
}

std::string DatumChoiceText(const DatumChoice& choice) {
  return std::to_string(choice.family) + ":" + std::to_string(choice.row) +
         (choice.direction == kReverse ? ":reverse" : "");
}

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
