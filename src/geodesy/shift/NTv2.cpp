#include "geodesy/shift/NTv2.h"

#include <cmath>
#include <algorithm>

#include "frame/ConfigFile.h"
#include "frame/Folders.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/shift/NTv2File.h"
#include "geodesy/userfile/UserFileFormat.h"

namespace {

constexpr char kTopLevelParent[] = "NONE";
constexpr char kSettingsGroup[] = "NTv2";
constexpr int kSettingsDecimals = 16;
constexpr double kTruncationSteps = 100000;  // per arc-second

double TruncatedArcSeconds(double radians) {
  return std::floor(std::fabs(radians) * kDegreesPerRadian * 3600 * kTruncationSteps) / kTruncationSteps;
}

struct Membership {
  bool inside = false, north = false, west = false;
};

Membership MembershipOf(const DataSetDef& g, double lat, double lon) {
  Membership m;
  m.north = std::round(lat) == g.nLat;
  m.west = std::round(lon) == g.wLong;
  const bool latIn = (g.sLat <= lat && lat < g.nLat) || m.north;
  const bool lonIn = (g.eLong <= lon && lon < g.wLong) || m.west;
  m.inside = latIn && lonIn;
  return m;
}

// The four node indices of the cell holding the point, with the limit rows
// and columns standing in for the neighbours beyond them.
struct CellNodes {
  std::uint64_t lowerEast, lowerWest, upperEast, upperWest;
  double fx, fy;
};

CellNodes CellOf(const DataSetDef& g, double lat, double lon, bool north, bool west) {
  const double rowPosition = (lat - g.sLat) / g.latInc, columnPosition = (lon - g.eLong) / g.longInc;
  const auto row = static_cast<std::uint64_t>(std::trunc(rowPosition));
  const auto column = static_cast<std::uint64_t>(std::trunc(columnPosition));
  const auto perRow = static_cast<std::uint64_t>(std::trunc((g.wLong - g.eLong) / g.longInc)) + 1;
  CellNodes c{perRow * row + column, perRow * row + column + 1, perRow * (row + 1) + column,
              perRow * (row + 1) + column + 1, columnPosition - static_cast<double>(column),
              rowPosition - static_cast<double>(row)};
  if (north && west) {
    c.lowerEast = c.lowerWest = c.upperEast = c.upperWest = g.records.size() - 1;
  } else if (north) {
    c.upperEast = c.lowerEast;
    c.upperWest = c.lowerWest;
  } else if (west) {
    c.lowerWest = c.lowerEast;
    c.upperWest = c.upperEast;
  }
  return c;
}

// Serialised form: a sub-grid count, then per sub-grid its names (a length
// byte and the bytes), extent and increments, node count and nodes, all
// little-endian.
void AppendName(std::string& out, const std::string& name) {
  const auto length = static_cast<unsigned char>(std::min<std::size_t>(name.size(), 255));
  out.push_back(static_cast<char>(length));
  out.append(name, 0, length);
}

class ByteSource {
 public:
  explicit ByteSource(std::span<const unsigned char> bytes) : bytes_(bytes) {}
  const unsigned char* Take(std::size_t size) {
    if (size > bytes_.size()) return nullptr;
    const unsigned char* at = bytes_.data();
    bytes_ = bytes_.subspan(size);
    return at;
  }
  std::size_t Left() const { return bytes_.size(); }

 private:
  std::span<const unsigned char> bytes_;
};

bool TakeName(ByteSource& in, std::string& name) {
  const unsigned char* length = in.Take(1);
  const unsigned char* text = length ? in.Take(*length) : nullptr;
  if (!text) return false;
  name.assign(reinterpret_cast<const char*>(text), *length);
  return true;
}

constexpr std::size_t kExtentValues = 6;

bool TakeSubGrid(ByteSource& in, DataSetDef& g) {
  if (!TakeName(in, g.name) || !TakeName(in, g.parent)) return false;
  const unsigned char* extent = in.Take(kExtentValues * 8 + 4);
  if (!extent) return false;
  double* fields[kExtentValues] = {&g.sLat, &g.eLong, &g.nLat, &g.wLong, &g.latInc, &g.longInc};
  for (std::size_t i = 0; i < kExtentValues; ++i) *fields[i] = LittleEndianDouble(extent + 8 * i);
  const auto count = static_cast<std::uint32_t>(LittleEndianInt32(extent + kExtentValues * 8));
  if (count > CNTv2::kMaxRecordsPerBlock || count > in.Left() / sizeof(GridShiftRecordDef)) return false;
  const unsigned char* nodes = in.Take(count * sizeof(GridShiftRecordDef));
  g.records.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const unsigned char* r = nodes + i * sizeof(GridShiftRecordDef);
    g.records[i] = {LittleEndianFloat(r), LittleEndianFloat(r + 4), LittleEndianFloat(r + 8),
                    LittleEndianFloat(r + 12)};
  }
  return true;
}

}  // namespace

CNTv2::CNTv2() { FindDataFolder(folder, kGlobalDataFolder); }

CNTv2::~CNTv2() {
  // A destructor may not throw; settings that cannot be written are lost,
  // as every settings failure of the module is quiet.
  try {
    WriteSettings();
  } catch (...) {
  }
}

void CNTv2::WriteSettings() const {
  CConfigFile settings;
  if (!settings.OpenWrite(kSettingsGroup)) return;
  settings.WriteDouble("NAD27 Latitude", lastInputLat, kSettingsDecimals);
  settings.WriteDouble("NAD27 Longitude", lastInputLon, kSettingsDecimals);
  settings.WriteDouble("NAD83 Latitude", lastOutputLat, kSettingsDecimals);
  settings.WriteDouble("NAD83 Longitude", lastOutputLon, kSettingsDecimals);
  settings.Close();
}

bool CNTv2::LoadGlobalFile(std::string_view fileName) { return LoadFile(folder + std::string(fileName)); }

bool CNTv2::LoadFile(std::string_view path) {
  auto grids = ReadNTv2File(path);
  if (!grids) return false;
  subGrids = std::move(grids->subGrids);
  return true;
}

CNTv2::Placement CNTv2::Place(double lat, double lon) const {
  Placement found;
  std::string parent = kTopLevelParent;
  // Each level goes one deeper, so a chain of parents that loops (a
  // sub-grid naming itself or a descendant) ends after as many levels as
  // there are sub-grids.
  for (std::size_t depth = 0; depth < subGrids.size(); ++depth) {
    Placement next;
    for (std::size_t i = 0; i < subGrids.size() && next.index < 0; ++i) {
      if (subGrids[i].parent != parent) continue;
      const Membership m = MembershipOf(subGrids[i], lat, lon);
      if (m.inside) next = {static_cast<int>(i), m.north, m.west};
    }
    if (next.index < 0) break;
    found = next;
    parent = subGrids[static_cast<std::size_t>(found.index)].name;
  }
  return found;
}

int CNTv2::FindSubGrid(double latSeconds, double lonSeconds) const { return Place(latSeconds, lonSeconds).index; }

int CNTv2::Shift(double lat, double lon, double& shiftedLat, double& shiftedLon) {
  lastInputLat = lat;
  lastInputLon = lon;
  const double latSeconds = TruncatedArcSeconds(lat), lonSeconds = TruncatedArcSeconds(lon);
  const Placement p = Place(latSeconds, lonSeconds);
  if (p.index < 0) return -1;
  const DataSetDef& g = subGrids[static_cast<std::size_t>(p.index)];
  const CellNodes c = CellOf(g, latSeconds, lonSeconds, p.north, p.west);
  const std::uint64_t count = g.records.size();
  if (c.lowerEast >= count || c.lowerWest >= count || c.upperEast >= count || c.upperWest >= count) return p.index;
  const ArcSecondShift s = InterpolateShift(
      {&g.records[c.lowerEast], &g.records[c.lowerWest], &g.records[c.upperEast], &g.records[c.upperWest]}, c.fx,
      c.fy);
  shiftedLat = lastOutputLat = (latSeconds + s.lat) / 3600 * kRadiansPerDegree;
  shiftedLon = lastOutputLon = (lonSeconds + s.lon) / 3600 * kRadiansPerDegree;
  return p.index;
}

std::string CNTv2::Serialize() const {
  std::string out;
  AppendLittleEndian(out, static_cast<std::int32_t>(subGrids.size()));
  for (const DataSetDef& g : subGrids) {
    AppendName(out, g.name);
    AppendName(out, g.parent);
    for (double v : {g.sLat, g.eLong, g.nLat, g.wLong, g.latInc, g.longInc}) AppendLittleEndian(out, v);
    // No sub-grid of a real file comes near the cap; one beyond it keeps
    // its first kMaxRecordsPerBlock nodes.
    const auto count = std::min<std::size_t>(g.records.size(), kMaxRecordsPerBlock);
    AppendLittleEndian(out, static_cast<std::int32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
      const GridShiftRecordDef& r = g.records[i];
      for (float v : {r.latShift, r.lonShift, r.latAccuracy, r.lonAccuracy}) AppendLittleEndian(out, v);
    }
  }
  return out;
}

bool CNTv2::Deserialize(std::span<const unsigned char> bytes) {
  ByteSource in(bytes);
  const unsigned char* countBytes = in.Take(4);
  if (!countBytes) return false;
  const auto count = static_cast<std::uint32_t>(LittleEndianInt32(countBytes));
  // A sub-grid takes at least its two name lengths, extent and node count.
  constexpr std::size_t kSmallestSubGrid = 2 + kExtentValues * 8 + 4;
  if (count > in.Left() / kSmallestSubGrid) return false;
  std::vector<DataSetDef> read(count);
  for (DataSetDef& g : read)
    if (!TakeSubGrid(in, g)) return false;
  subGrids = std::move(read);
  return true;
}
