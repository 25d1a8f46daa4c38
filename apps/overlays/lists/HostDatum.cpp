#include "HostDatum.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "HostMachine.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/shift/NTv2File.h"
#include "platform/fs/FileSystem.h"

namespace host {
namespace {

void CopyGridOnto(const CGridSystem& source, CGridSystem& target, CSpheroid* ellipsoid) {
  target = source;
  target.spheroid = ellipsoid;
  target.DeriveGrid();
}

}  // namespace

void LoadNTv2Argument(CNTv2& ntv2, const std::string& file) {
  namespace stdfs = std::filesystem;
  std::error_code ec;
  const stdfs::path host =
      stdfs::is_regular_file(file, ec) ? stdfs::path(file) : platform::fs::ToHost(ntv2.folder + In(file)).value_or("");
  if (host.empty() || !stdfs::is_regular_file(host, ec))
    throw CommandError("no NTv2 file '" + file + "' here or in the Global data folder " + HostPathText(ntv2.folder) +
                       "; 'overlays grids install' puts the bundled grids in place");
  const std::unique_ptr<std::FILE, decltype(&std::fclose)> opened(std::fopen(host.c_str(), "rb"), std::fclose);
  const auto size = stdfs::file_size(host, ec);
  auto grids = opened && !ec ? ReadNTv2(opened.get(), size) : std::nullopt;
  if (!grids) throw CommandError("'" + file + "' is not a well-formed NTv2 file");
  ntv2.SetSubGrids(std::move(grids->subGrids));
}

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

void CheckGridOptions(const GridOptions& options) {
  if (options.grid && !options.datum) throw CommandError("--grid needs --datum: the grid is the datum's user grid");
}

std::unique_ptr<DatumHost> HostDatumAt(const GridOptions& options, const tagXY& place) {
  CheckGridOptions(options);
  if (!options.datum) return nullptr;
  auto holder = std::make_unique<DatumHost>();
  const GridAddress grid = options.grid ? ParseGridAddress(*options.grid)
                                        : UtmZoneGrid(place.y * kDegreesPerRadian, place.x * kDegreesPerRadian);
  SelectHostDatum(*holder, ParseDatumChoice(*options.datum), *options.datum, grid);
  return holder;
}

}  // namespace host
