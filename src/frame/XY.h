#pragma once
// A position: longitude or easting in x, latitude or northing in y. Geographic
// values are radians unless the owner says degrees.

#include <cstddef>
#include <vector>

struct tagXY {
  double x = 0.0;
  double y = 0.0;
};

// A growable array of positions: wreck outlines, KML lines and rings.
class CXYArray {
 public:
  std::size_t GetSize() const { return points_.size(); }
  bool IsEmpty() const { return points_.empty(); }
  void Add(const tagXY& point) { points_.push_back(point); }
  void RemoveAll() { points_.clear(); }
  void Reserve(std::size_t n) { points_.reserve(n); }
  const tagXY& operator[](std::size_t i) const { return points_[i]; }
  tagXY& operator[](std::size_t i) { return points_[i]; }
  auto begin() const { return points_.begin(); }
  auto end() const { return points_.end(); }

 private:
  std::vector<tagXY> points_;
};
