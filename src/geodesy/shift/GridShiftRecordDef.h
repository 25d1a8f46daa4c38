#pragma once
// One node of an NTv2 sub-grid as the file stores it: four little-endian
// 32-bit floats, all in arc-seconds, longitudes positive west.

struct GridShiftRecordDef {
  float latShift = 0;
  float lonShift = 0;
  float latAccuracy = 0;
  float lonAccuracy = 0;
};

static_assert(sizeof(GridShiftRecordDef) == 16, "node records are read from the file as they lie");

// A node's latitude and longitude shifts alone: half a record's memory,
// for grids that are only interpolated (which is bound by memory reads).
struct NodeShiftDef {
  float latShift = 0;
  float lonShift = 0;
};

// The four nodes around a point: lower row (south) then upper row (north),
// each east then west.
template <typename Node>
struct ShiftCell {
  const Node* lowerEast;
  const Node* lowerWest;
  const Node* upperEast;
  const Node* upperWest;
};

struct ArcSecondShift {
  double lat = 0, lon = 0;  // arc-seconds, longitude positive west
};

// Bilinear interpolation: fx the fraction of a cell westwards, fy northwards.
template <typename Node>
ArcSecondShift InterpolateShift(const ShiftCell<Node>& c, double fx, double fy) {
  auto along = [fx, fy](float lowerEast, float lowerWest, float upperEast, float upperWest) {
    const double lower = lowerEast + (static_cast<double>(lowerWest) - lowerEast) * fx;
    const double upper = upperEast + (static_cast<double>(upperWest) - upperEast) * fx;
    return lower + (upper - lower) * fy;
  };
  return {along(c.lowerEast->latShift, c.lowerWest->latShift, c.upperEast->latShift, c.upperWest->latShift),
          along(c.lowerEast->lonShift, c.lowerWest->lonShift, c.upperEast->lonShift, c.upperWest->lonShift)};
}
