#include "geodesy/shift/NadconRegion.h"

#include <algorithm>
#include <cmath>

#include "platform/fs/FileSystem.h"

namespace {

bool ReadGridFile(const std::string& path, NadconHeaderDef& header, std::vector<float>& shifts) {
  const auto file = platform::fs::OpenFile(path, "rb");
  return file && ReadNadconGrid(file.get(), header, shifts);
}

// The four-term form of the bilinear interpolation in the cell whose
// south-west node is (row, column); x and y are the fractions across it.
double Bilinear(const std::vector<float>& shifts, std::size_t columns, std::size_t row, std::size_t column, double x,
                double y) {
  const std::size_t south = row * columns + column, north = south + columns;
  const double s00 = shifts[south], s01 = shifts[south + 1], s10 = shifts[north], s11 = shifts[north + 1];
  return s00 + (s01 - s00) * x + (s10 - s00) * y + (s11 - s10 - s01 + s00) * x * y;
}

// The cell index along one axis and the fraction across it. A point just
// inside the far edge can round onto the last node; it is kept in the last
// cell, at fraction 1, so the node beyond is never read.
std::size_t CellAndFraction(double offset, std::int32_t nodes, double& fraction) {
  const double cell = std::min(std::floor(offset), static_cast<double>(nodes - 2));
  fraction = offset - cell;
  return static_cast<std::size_t>(cell);
}

}  // namespace

void CNadconRegion::Clear() {
  code_ = kNadconNotSelected;
  name_.clear();
  header_ = {};
  west_ = east_ = south_ = north_ = 0;
  latShifts_ = {};
  lonShifts_ = {};
}

bool CNadconRegion::Load(const std::string& folder, const std::string& code) {
  Clear();
  NadconHeaderDef lonHeader;
  if (!ReadGridFile(folder + code + ".las", header_, latShifts_) ||
      !ReadGridFile(folder + code + ".los", lonHeader, lonShifts_) || !SameNodes(header_, lonHeader)) {
    Clear();
    return false;
  }
  code_ = code;
  west_ = header_.xMin;
  east_ = header_.xMin + (header_.columns - 1) * static_cast<double>(header_.dx);
  south_ = header_.yMin;
  north_ = header_.yMin + (header_.rows - 1) * static_cast<double>(header_.dy);
  return true;
}

bool CNadconRegion::Covers(double lat, double lon) const {
  // A cleared slot has all four limits 0, which no point lies strictly
  // inside.
  return west_ < lon && lon < east_ && south_ < lat && lat < north_;
}

void CNadconRegion::Interpolate(double lat, double lon, double& latShift, double& lonShift) const {
  double x = 0, y = 0;
  const std::size_t column = CellAndFraction((lon - header_.xMin) / header_.dx, header_.columns, x);
  const std::size_t row = CellAndFraction((lat - header_.yMin) / header_.dy, header_.rows, y);
  const auto columns = static_cast<std::size_t>(header_.columns);
  latShift = Bilinear(latShifts_, columns, row, column, x, y);
  lonShift = Bilinear(lonShifts_, columns, row, column, x, y);
}
