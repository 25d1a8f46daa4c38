#include "geodesy/shift/NTv2.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <unordered_map>

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
constexpr std::size_t kIndexTestBudget = std::size_t{1} << 22;  // some 20 ms

double TruncatedArcSeconds(double radians) {
  return std::floor(std::fabs(radians) * kDegreesPerRadian * 3600 * kTruncationSteps) / kTruncationSteps;
}

// Whether seconds round (half away from zero) to a limit; the distance
// test spares the rounding for the many sub-grids far from the point.
bool RoundsTo(double seconds, double limit) {
  return std::fabs(seconds - limit) <= 0.5 && std::round(seconds) == limit;
}

// Whether a sub-grid holds a point: inside its half-open extent, or
// within half a second of its northern or western limit (either side).
bool Holds(const DataSetDef& g, double lat, double lon) {
  const bool latIn = (g.sLat <= lat && lat < g.nLat) || RoundsTo(lat, g.nLat);
  return latIn && ((g.eLong <= lon && lon < g.wLong) || RoundsTo(lon, g.wLong));
}

// How many of a box's points a sub-grid holds.
enum class Share { None, All, Some };

// Along one axis, [lo, hi] against the limits `low` and `high`. Every
// point a sub-grid holds along it lies in [low, high) or rounds to high,
// so within [min(low, high - 1), high + 1]; the whole second of margin
// keeps the judgement clear of the rounding's own edge cases.
Share ShareAlong(double lo, double hi, double low, double high) {
  if (low <= lo && hi < high) return Share::All;
  if (hi < std::min(low, high - 1) || lo > high + 1) return Share::None;
  return Share::Some;
}

Share SharedBy(const DataSetDef& g, const SecondsBox& box) {
  const Share lat = ShareAlong(box.latLo, box.latHi, g.sLat, g.nLat);
  const Share lon = ShareAlong(box.lonLo, box.lonHi, g.eLong, g.wLong);
  if (lat == Share::None || lon == Share::None) return Share::None;
  return lat == Share::All && lon == Share::All ? Share::All : Share::Some;
}

SecondsBox ExtentOf(const std::vector<DataSetDef>& subGrids) {
  if (subGrids.empty()) return {};
  SecondsBox box{subGrids.front().sLat, subGrids.front().nLat, subGrids.front().eLong, subGrids.front().wLong};
  for (const DataSetDef& g : subGrids) {
    box.latLo = std::min(box.latLo, g.sLat);
    box.latHi = std::max(box.latHi, g.nLat);
    box.lonLo = std::min(box.lonLo, g.eLong);
    box.lonHi = std::max(box.lonHi, g.wLong);
  }
  return box;
}

// Nodes along one axis, and the cell a position falls in: the last node
// when the position lies on or beyond the limit, where there is no next one.
struct AxisCell {
  std::uint64_t index = 0;
  double fraction = 0;
  bool atLimit = false;
};

AxisCell CellAlong(double offset, double spacing, std::uint64_t nodes) {
  const double position = std::max(0.0, offset / spacing);
  const double cell = std::trunc(position);
  if (cell + 1 >= static_cast<double>(nodes)) return {nodes - 1, 0, true};
  return {static_cast<std::uint64_t>(cell), position - cell, false};
}

std::uint64_t NodesAlong(double extent, double spacing) {
  return static_cast<std::uint64_t>(std::trunc(extent / spacing)) + 1;
}

CNTv2::Shape ShapeOf(const DataSetDef& g) {
  return {NodesAlong(g.nLat - g.sLat, g.latInc), NodesAlong(g.wLong - g.eLong, g.longInc)};
}

// The four node indices of the cell holding the point. On the northern
// limit the southern pair stands in for the missing northern one, on the
// western limit the eastern pair for the western one; at the north-west
// corner all four are the last node.
struct CellNodes {
  std::uint64_t lowerEast, lowerWest, upperEast, upperWest;
  double fx, fy;
};

CellNodes CellOf(const DataSetDef& g, const CNTv2::Shape& shape, double lat, double lon) {
  const std::uint64_t perRow = shape.perRow;
  const AxisCell row = CellAlong(lat - g.sLat, g.latInc, shape.rows);
  const AxisCell column = CellAlong(lon - g.eLong, g.longInc, perRow);
  const std::uint64_t n = perRow * row.index + column.index;
  const std::uint64_t west = column.atLimit ? n : n + 1;
  const std::uint64_t north = row.atLimit ? 0 : perRow;
  return {n, west, n + north, west + north, column.fraction, row.fraction};
}

std::vector<NodeShiftDef> ShiftsOf(const std::vector<GridShiftRecordDef>& records) {
  std::vector<NodeShiftDef> shifts;
  shifts.reserve(records.size());
  for (const GridShiftRecordDef& r : records) shifts.push_back({r.latShift, r.lonShift});
  return shifts;
}

// The shift at lat″, lon″ by a sub-grid's cell, or nothing when a node of
// the cell is missing.
std::optional<ArcSecondShift> ShiftWithin(const DataSetDef& g, const CNTv2::Shape& shape,
                                          const std::vector<NodeShiftDef>& shifts, double lat, double lon) {
  const CellNodes c = CellOf(g, shape, lat, lon);
  const std::uint64_t count = shifts.size();
  if (c.lowerEast >= count || c.lowerWest >= count || c.upperEast >= count || c.upperWest >= count) return std::nullopt;
  const NodeShiftDef* s = shifts.data();
  return InterpolateShift(ShiftCell<NodeShiftDef>{s + c.lowerEast, s + c.lowerWest, s + c.upperEast, s + c.upperWest},
                          c.fx, c.fy);
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
  return IsWellFormed(g);
}

}  // namespace

const char kCanadianGridAttribution[] =
    "NTv2 grid-shift method and Canadian grid-shift files: Natural Resources Canada, Geodetic Survey "
    "Division; the files are used under the Open Government Licence - Canada.";

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

// Children hang on names, not on sub-grids, since PARENT names a grid and
// real files repeat names: every sub-grid of a name has the same children.
void CNTv2::SetSubGrids(std::vector<DataSetDef> subGrids) {
  subGrids_ = std::move(subGrids);
  std::unordered_map<std::string, std::size_t> names;
  const auto idOf = [&names](const std::string& name) { return names.try_emplace(name, names.size()).first->second; };
  topLevel_ = idOf(kTopLevelParent);
  std::vector<std::size_t> parents;
  nameIds_.clear();
  shapes_.clear();
  shifts_.clear();
  for (const DataSetDef& g : subGrids_) {
    parents.push_back(idOf(g.parent));
    nameIds_.push_back(idOf(g.name));
    shapes_.push_back(ShapeOf(g));
    shifts_.push_back(ShiftsOf(g.records));
  }
  childrenOf_.assign(names.size(), {});
  for (std::size_t child = 0; child < subGrids_.size(); ++child)
    childrenOf_[parents[child]].push_back(static_cast<int>(child));
  BuildIndex();
}

bool CNTv2::LoadGlobalFile(std::string_view fileName) { return LoadFile(folder + std::string(fileName)); }

bool CNTv2::LoadFile(std::string_view path) {
  auto grids = ReadNTv2File(path);
  if (!grids) return false;
  SetSubGrids(std::move(grids->subGrids));
  return true;
}

template <typename Holds>
int CNTv2::Search(Holds holds) const {
  int found = -1;
  const std::vector<int>* level = &childrenOf_[topLevel_];
  // The next level follows from the name alone, so a path that meets a
  // name twice would go round for ever (a sub-grid naming itself or a
  // descendant as parent); no path without a repeat is longer than the
  // number of names.
  for (std::size_t depth = 0; depth < childrenOf_.size(); ++depth) {
    int holder = -1;
    for (const int i : *level) {
      const Share share = holds(subGrids_[static_cast<std::size_t>(i)]);
      if (share == Share::Some) return CNTv2SubGridIndex::kSearch;
      if (share == Share::All) {
        holder = i;
        break;
      }
    }
    if (holder < 0) break;
    found = holder;
    level = &childrenOf_[nameIds_[static_cast<std::size_t>(found)]];
  }
  return found;
}

int CNTv2::SearchPoint(double lat, double lon) const {
  return Search([lat, lon](const DataSetDef& g) { return Holds(g, lat, lon) ? Share::All : Share::None; });
}

// A file of many siblings, or of a name that is its own ancestor, would
// make the table slow to build (cells times sub-grids tested); past a
// budget of tests the remaining cells are left to the search.
void CNTv2::BuildIndex() {
  std::size_t tests = 0;
  index_.Build(ExtentOf(subGrids_), [this, &tests](const SecondsBox& box) {
    return Search([&](const DataSetDef& g) { return ++tests > kIndexTestBudget ? Share::Some : SharedBy(g, box); });
  });
}

int CNTv2::FindSubGrid(double lat, double lon) const {
  const int known = index_.Lookup(lat, lon);
  return known != CNTv2SubGridIndex::kSearch ? known : SearchPoint(lat, lon);
}

int CNTv2::Shift(double lat, double lon, double& shiftedLat, double& shiftedLon) {
  lastInputLat = lat;
  lastInputLon = lon;
  const double latSeconds = TruncatedArcSeconds(lat), lonSeconds = TruncatedArcSeconds(lon);
  const int index = FindSubGrid(latSeconds, lonSeconds);
  if (index < 0) return -1;
  const auto i = static_cast<std::size_t>(index);
  const auto s = ShiftWithin(subGrids_[i], shapes_[i], shifts_[i], latSeconds, lonSeconds);
  if (!s) return index;
  shiftedLat = lastOutputLat = (latSeconds + s->lat) / 3600 * kRadiansPerDegree;
  shiftedLon = lastOutputLon = (lonSeconds + s->lon) / 3600 * kRadiansPerDegree;
  return index;
}

std::string CNTv2::Serialize() const {
  std::string out;
  AppendLittleEndian(out, static_cast<std::int32_t>(subGrids_.size()));
  for (const DataSetDef& g : subGrids_) {
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
  SetSubGrids(std::move(read));
  return true;
}
