#include "geodesy/shift/NTv2File.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "geodesy/userfile/UserFileFormat.h"
#include "platform/fs/FileSystem.h"

namespace {

constexpr std::size_t kRecordSize = 16;
constexpr std::size_t kHeaderRecords = 11;
constexpr std::size_t kHeaderSize = kRecordSize * kHeaderRecords;
constexpr std::size_t kNodeSize = sizeof(GridShiftRecordDef);

// Where each value lies: record k's value starts 8 bytes into it.
constexpr std::size_t ValueAt(std::size_t record) { return record * kRecordSize + 8; }

namespace overview {
constexpr std::size_t kNumOrec = ValueAt(0), kNumSrec = ValueAt(1), kNumFile = ValueAt(2);
constexpr std::size_t kGsType = ValueAt(3), kVersion = ValueAt(4), kSystemF = ValueAt(5), kSystemT = ValueAt(6);
constexpr std::size_t kMajorF = ValueAt(7), kMinorF = ValueAt(8), kMajorT = ValueAt(9), kMinorT = ValueAt(10);
}  // namespace overview

namespace subgrid {
constexpr std::size_t kName = ValueAt(0), kParent = ValueAt(1);
constexpr std::size_t kSLat = ValueAt(4), kNLat = ValueAt(5), kELong = ValueAt(6), kWLong = ValueAt(7);
constexpr std::size_t kLatInc = ValueAt(8), kLongInc = ValueAt(9), kGsCount = ValueAt(10);
}  // namespace subgrid

// No earth grid needs more rows or columns than a 0.01" spacing around the
// globe; the cap keeps rows × columns far from overflowing.
constexpr double kMaxNodesPerSide = 360.0 * 3600 * 100;

using Header = unsigned char[kHeaderSize];

std::string HeaderText(const unsigned char* at) {
  std::string text(reinterpret_cast<const char*>(at), 8);
  const auto isBlank = [](char c) { return c == ' ' || c == '\0'; };
  while (!text.empty() && isBlank(text.back())) text.pop_back();
  std::size_t first = 0;
  while (first < text.size() && isBlank(text[first])) ++first;
  return text.substr(first);
}

class Reader {
 public:
  Reader(std::FILE* file, std::uint64_t size) : file_(file), left_(size) {}

  bool Read(void* into, std::uint64_t bytes) {
    if (bytes > left_ || !ReadUserFileBlock(file_, into, bytes)) return false;
    left_ -= bytes;
    return true;
  }
  std::uint64_t Left() const { return left_; }

 private:
  std::FILE* file_;
  std::uint64_t left_;
};

bool ReadOverview(Reader& in, NTv2Overview& o, std::int32_t& subGridCount) {
  Header h;
  if (!in.Read(h, kHeaderSize) || std::memcmp(h, "NUM_OREC", 8) != 0) return false;
  if (LittleEndianInt32(h + overview::kNumOrec) != kHeaderRecords ||
      LittleEndianInt32(h + overview::kNumSrec) != kHeaderRecords)
    return false;
  subGridCount = LittleEndianInt32(h + overview::kNumFile);
  o.gsType = HeaderText(h + overview::kGsType);
  o.version = HeaderText(h + overview::kVersion);
  o.systemF = HeaderText(h + overview::kSystemF);
  o.systemT = HeaderText(h + overview::kSystemT);
  o.majorF = LittleEndianDouble(h + overview::kMajorF);
  o.minorF = LittleEndianDouble(h + overview::kMinorF);
  o.majorT = LittleEndianDouble(h + overview::kMajorT);
  o.minorT = LittleEndianDouble(h + overview::kMinorT);
  return subGridCount >= 1 && static_cast<std::uint64_t>(subGridCount) <= in.Left() / kHeaderSize;
}

// Rows or columns along one axis; 0 when the extent and spacing make no grid.
std::uint64_t NodesAlong(double from, double to, double spacing) {
  if (!(std::isfinite(from) && std::isfinite(to) && std::isfinite(spacing) && spacing > 0 && to >= from)) return 0;
  const double steps = std::round((to - from) / spacing);
  return steps < kMaxNodesPerSide ? static_cast<std::uint64_t>(steps) + 1 : 0;
}

// The node count the header's extent implies, 0 for a header without one.
std::uint64_t ExpectedNodes(const DataSetDef& g) {
  return NodesAlong(g.sLat, g.nLat, g.latInc) * NodesAlong(g.eLong, g.wLong, g.longInc);
}

bool ReadSubGridHeader(Reader& in, DataSetDef& g, std::uint64_t& count) {
  Header h;
  if (!in.Read(h, kHeaderSize)) return false;
  g.name = HeaderText(h + subgrid::kName);
  g.parent = HeaderText(h + subgrid::kParent);
  g.sLat = LittleEndianDouble(h + subgrid::kSLat);
  g.nLat = LittleEndianDouble(h + subgrid::kNLat);
  g.eLong = LittleEndianDouble(h + subgrid::kELong);
  g.wLong = LittleEndianDouble(h + subgrid::kWLong);
  g.latInc = LittleEndianDouble(h + subgrid::kLatInc);
  g.longInc = LittleEndianDouble(h + subgrid::kLongInc);
  const std::int32_t gsCount = LittleEndianInt32(h + subgrid::kGsCount);
  count = gsCount > 0 ? static_cast<std::uint64_t>(gsCount) : 0;
  return count != 0 && count == ExpectedNodes(g) && count <= in.Left() / kNodeSize;
}

bool FiniteShifts(const DataSetDef& g) {
  for (const auto& r : g.records)
    if (!std::isfinite(r.latShift) || !std::isfinite(r.lonShift)) return false;
  return true;
}

void ToNativeOrder(GridShiftRecordDef& r) {
  if constexpr (std::endian::native != std::endian::little) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&r);
    r = {LittleEndianFloat(bytes), LittleEndianFloat(bytes + 4), LittleEndianFloat(bytes + 8),
         LittleEndianFloat(bytes + 12)};
  }
}

// The nodes go straight from the file into the array: on a little-endian
// machine the record layout is the file's, and the OSTN15 grid (950,000
// nodes) loads in one read.
bool ReadNodes(Reader& in, DataSetDef& g, std::uint64_t count) {
  g.records.resize(count);
  if (!in.Read(g.records.data(), count * kNodeSize)) return false;
  for (auto& r : g.records) ToNativeOrder(r);
  return FiniteShifts(g);
}

// The shifts alone, through a small buffer of records, so that memory
// holds only the half that is kept.
bool ReadShifts(Reader& in, ShiftGridDef& g, std::uint64_t count) {
  constexpr std::uint64_t kBatch = 4096;
  std::vector<GridShiftRecordDef> batch(std::min(count, kBatch));
  g.shifts.resize(count);
  for (std::uint64_t done = 0; done < count;) {
    const std::uint64_t n = std::min(count - done, kBatch);
    if (!in.Read(batch.data(), n * kNodeSize)) return false;
    for (std::uint64_t i = 0; i < n; ++i) {
      GridShiftRecordDef& r = batch[i];
      ToNativeOrder(r);
      if (!std::isfinite(r.latShift) || !std::isfinite(r.lonShift)) return false;
      g.shifts[done + i] = {r.latShift, r.lonShift};
    }
    done += n;
  }
  return true;
}

DataSetDef& HeaderOf(DataSetDef& g) { return g; }
DataSetDef& HeaderOf(ShiftGridDef& g) { return g.header; }

template <typename Grids, typename NodeReader>
std::optional<Grids> ReadGrids(std::FILE* file, std::uint64_t size, NodeReader readNodes) {
  Reader in(file, size);
  Grids grids;
  std::int32_t subGridCount = 0;
  if (!ReadOverview(in, grids.overview, subGridCount)) return std::nullopt;
  grids.subGrids.resize(static_cast<std::size_t>(subGridCount));
  for (auto& g : grids.subGrids) {
    std::uint64_t count = 0;
    if (!ReadSubGridHeader(in, HeaderOf(g), count) || !readNodes(in, g, count)) return std::nullopt;
  }
  return grids;
}

template <typename Grids>
std::optional<Grids> ReadGridFile(std::string_view path, std::optional<Grids> (*read)(std::FILE*, std::uint64_t)) {
  const auto size = platform::fs::FileSize(path);
  platform::fs::FilePtr file = platform::fs::OpenFile(path, "rb");
  if (!size || !file) return std::nullopt;
  return read(file.get(), *size);
}

}  // namespace

bool IsWellFormed(const DataSetDef& subGrid) {
  const std::uint64_t count = subGrid.records.size();
  return count != 0 && count == ExpectedNodes(subGrid) && FiniteShifts(subGrid);
}

std::optional<NTv2Grids> ReadNTv2(std::FILE* file, std::uint64_t size) {
  return ReadGrids<NTv2Grids>(file, size, ReadNodes);
}

std::optional<NTv2Grids> ReadNTv2File(std::string_view path) { return ReadGridFile(path, ReadNTv2); }

std::optional<NTv2ShiftGrids> ReadNTv2Shifts(std::FILE* file, std::uint64_t size) {
  return ReadGrids<NTv2ShiftGrids>(file, size, ReadShifts);
}

std::optional<NTv2ShiftGrids> ReadNTv2ShiftsFile(std::string_view path) { return ReadGridFile(path, ReadNTv2Shifts); }
