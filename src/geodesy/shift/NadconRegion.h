#pragma once
// One region slot: the ".las"/".los" grid pair of the NADCON region that
// covered the last point, kept until a point falls outside it.
//
// Glossary: lat, lon in degrees with longitudes negative west; shifts in
// arc-seconds, the longitude shift positive west as NGS stores it.

#include <string>
#include <vector>

#include "geodesy/shift/NadconGridFile.h"

inline constexpr char kNadconNotSelected[] = "Not Selected";

class CNadconRegion {
 public:
  CNadconRegion() { Clear(); }

  // Frees the grids; the code reads "Not Selected" and the name is empty.
  void Clear();

  // Reads "<folder><code>.las" and then "<folder><code>.los". True only
  // when both were read and describe the same nodes; otherwise the slot is
  // left cleared.
  bool Load(const std::string& folder, const std::string& code);

  bool IsLoaded() const { return !latShifts_.empty(); }

  // Strictly inside the outer nodes on all four sides: a point on a grid's
  // edge belongs to the next region searched.
  bool Covers(double lat, double lon) const;

  // Bilinear shifts at a covered point.
  void Interpolate(double lat, double lon, double& latShift, double& lonShift) const;

  const std::string& Code() const { return code_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  const NadconHeaderDef& Header() const { return header_; }

 private:
  std::string code_;
  std::string name_;
  NadconHeaderDef header_;  // as read from the ".las" file
  // Derived from the header at loading, for the coverage test of every point.
  double west_ = 0, east_ = 0, south_ = 0, north_ = 0;
  std::vector<float> latShifts_;
  std::vector<float> lonShifts_;
};
