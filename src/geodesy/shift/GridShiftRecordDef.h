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

// The four nodes around a point: lower row (south) then upper row (north),
// each east then west.
struct ShiftCell {
  const GridShiftRecordDef* lowerEast;
  const GridShiftRecordDef* lowerWest;
  const GridShiftRecordDef* upperEast;
  const GridShiftRecordDef* upperWest;
};

struct ArcSecondShift {
  double lat = 0, lon = 0;  // arc-seconds, longitude positive west
};

// Bilinear interpolation: fx the fraction of a cell westwards, fy northwards.
inline ArcSecondShift InterpolateShift(const ShiftCell& c, double fx, double fy) {
  auto along = [fx, fy](float lowerEast, float lowerWest, float upperEast, float upperWest) {
    const double lower = lowerEast + (static_cast<double>(lowerWest) - lowerEast) * fx;
    const double upper = upperEast + (static_cast<double>(upperWest) - upperEast) * fx;
    return lower + (upper - lower) * fy;
  };
  return {along(c.lowerEast->latShift, c.lowerWest->latShift, c.upperEast->latShift, c.upperWest->latShift),
          along(c.lowerEast->lonShift, c.lowerWest->lonShift, c.upperEast->lonShift, c.upperWest->lonShift)};
}
