#include "HostDatum.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "HostMachine.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/shift/NTv2File.h"
#include "platform/fs/FileSystem.h"

namespace host {
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

void CheckGridOptions(const GridOptions& options) {
  if (options.grid && !options.datum) throw CommandError("--grid needs --datum: the grid is the datum's user grid");
}

std::optional<std::pair<DatumChoice, GridAddress>> ChosenDatumAndGrid(const GridOptions& options, const tagXY& place) {
  CheckGridOptions(options);
  if (!options.datum) return std::nullopt;
  const GridAddress grid = options.grid ? ParseGridAddress(*options.grid)
                                        : UtmZoneGrid(place.y * kDegreesPerRadian, place.x * kDegreesPerRadian);
  return std::make_pair(ParseDatumChoice(*options.datum), grid);
}

std::unique_ptr<DatumHost> HostDatumAt(const GridOptions& options, const tagXY& place) {
  const auto chosen = ChosenDatumAndGrid(options, place);
  if (!chosen) return nullptr;
  auto holder = std::make_unique<DatumHost>();
  SelectHostDatum(*holder, chosen->first, *options.datum, chosen->second);
  return holder;
}

}  // namespace host
