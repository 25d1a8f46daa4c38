#include "LoadedWindFarms.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "HostMachine.h"
#include "WindFarmGeoJson.h"
#include "frame/Folders.h"
#include "platform/fs/FileSystem.h"

namespace host {
namespace {

// Room for some 40,000 turbines (the sample's 311 take 130 kB). The JSON
// tree takes up to about 16 times the bytes of a file of bare numbers, so
// this also bounds what a hostile file can make the host allocate.
constexpr std::uintmax_t kMaxFileBytes = 16u << 20;

std::string ReadDataFile(const std::string& folder, const char* name) {
  namespace stdfs = std::filesystem;
  const stdfs::path path = platform::fs::ToHost(folder + name).value_or("");
  std::error_code ec;
  if (path.empty() || !stdfs::is_regular_file(path, ec))
    throw CommandError("no wind farm data: " + Out(folder + name) +
                       " is missing (run 'overlays install --yes' with a WFZ package waiting)");
  if (stdfs::file_size(path, ec) > kMaxFileBytes) throw CommandError(Out(folder + name) + " is too large");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in && !in.eof()) throw CommandError("cannot read " + Out(folder + name));
  return text.str();
}

}  // namespace

LoadedWindFarms::LoadedWindFarms() {
  std::string folder;
  FindDataFolder(folder, kWindFarmsDataFolder);
  try {
    windfarm_data::ReadTurbines(ReadDataFile(folder, windfarm_data::kTurbinesFile), turbines);
    windfarm_data::ReadBoundaries(ReadDataFile(folder, windfarm_data::kBoundariesFile), boundaries);
  } catch (const windfarm_data::WindFarmDataError& e) {
    throw CommandError(Out(folder) + e.what());
  }
  turbines.LoadSettings();
  boundaries.LoadSettings();
}

}  // namespace host
