#pragma once
// The Canadian NAD27/NAD83 grid shift: nested NTv2 sub-grids, and the
// position it last converted, kept in the "NTv2" settings group.
//
// Notation: lat″, lon″ are arc-seconds truncated to 0.00001″ with the sign
// dropped, longitudes positive west; a sub-grid's rows run north from
// S_LAT, its columns west from E_LONG.
//
// Edge rules: a sub-grid holds the points of its half-open extent
// [S_LAT, N_LAT) × [E_LONG, W_LONG) and, on purpose beyond that, every point
// whose lat″ (lon″) rounds to its N_LAT (W_LONG) in whole seconds. A point
// on or up to 0.5″ beyond the northern (western) limit is interpolated
// along the limit row (column) alone, and so served by a child grid where
// a plain extent test would fall back to its parent.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "geodesy/shift/DataSetDef.h"
#include "geodesy/shift/NTv2SubGridIndex.h"

// The attribution the Canadian grid-shift software and data ask for; the
// module keeps it for the host, and nothing here displays it.
OVERLAYS_API extern const char kCanadianGridAttribution[];

class OVERLAYS_API CNTv2 {
 public:
  // Finds (or makes) the "Global" data folder; no sub-grids yet.
  CNTv2();
  // Writes the last input and output to the "NTv2" settings group.
  ~CNTv2();
  CNTv2(const CNTv2&) = delete;
  CNTv2& operator=(const CNTv2&) = delete;

  // The sub-grids in file order, and their replacement (which also indexes
  // each sub-grid's children by name, once, for the searches, lays out a
  // CNTv2SubGridIndex over them, and keeps a copy of the nodes' shifts:
  // half as much memory again as the records).
  const std::vector<DataSetDef>& SubGrids() const { return subGrids_; }
  void SetSubGrids(std::vector<DataSetDef> subGrids);

  // Replaces the sub-grids with every sub-grid of an NTv2 file named in the
  // Global folder; false (and the sub-grids kept) when it cannot be read.
  bool LoadGlobalFile(std::string_view fileName);
  // The same for a file given by its Windows path.
  bool LoadFile(std::string_view path);

  // Shifts a latitude and longitude (radians; the longitude's sign is
  // dropped) into lat and lon (radians, the longitude a west-positive
  // magnitude). Returns the sub-grid used, −1 when none holds the point;
  // the outputs are written only when the cell's nodes are all present.
  int Shift(double lat, double lon, double& shiftedLat, double& shiftedLon);
  // The deepest sub-grid holding lat″, lon″, or −1.
  int FindSubGrid(double latSeconds, double lonSeconds) const;

  // The sub-grids as bytes: per sub-grid its names, extent and increments,
  // then the node count and count × 16 bytes of nodes.
  std::string Serialize() const;
  // Reads what Serialize wrote; false (and the sub-grids kept) for bytes
  // that do not hold a whole list or name more than kMaxRecordsPerBlock
  // nodes in a sub-grid.
  bool Deserialize(std::span<const unsigned char> bytes);
  static constexpr std::uint32_t kMaxRecordsPerBlock = 0x7FFFFFF;

  // Rows and nodes per row of a sub-grid, worked out once.
  struct Shape {
    std::uint64_t rows = 0, perRow = 0;
  };

  std::string folder;  // the Global data folder, ending in "\"
  double lastInputLat = 0, lastInputLon = 0;    // radians, as given
  double lastOutputLat = 0, lastOutputLon = 0;  // radians, as returned

 private:
  void WriteSettings() const;
  // The search from "NONE" down through the children, `holds` saying
  // whether a sub-grid holds none, all or some of the points in question;
  // CNTv2SubGridIndex::kSearch when the answer differs between them.
  template <typename Holds>
  int Search(Holds holds) const;
  int SearchPoint(double latSeconds, double lonSeconds) const;
  void BuildIndex();

  std::vector<DataSetDef> subGrids_;
  // Names are numbered; childrenOf_[id] lists, in file order, the
  // sub-grids whose PARENT is that name, and nameIds_[i] numbers sub-grid
  // i's own name.
  std::vector<std::vector<int>> childrenOf_{{}};
  std::vector<std::size_t> nameIds_;
  std::size_t topLevel_ = 0;  // the number of "NONE"
  std::vector<Shape> shapes_;  // one per sub-grid
  CNTv2SubGridIndex index_;
  // Each sub-grid's node shifts alone, as its records lie: interpolating
  // is bound by reading nodes, and at half the records' size a whole
  // nested file (NA83SCRS: 1.5 MB) mostly stays in the cache.
  std::vector<std::vector<NodeShiftDef>> shifts_;
};
