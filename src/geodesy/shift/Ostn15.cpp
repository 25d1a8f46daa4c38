#include "geodesy/shift/Ostn15.h"

#include <cmath>
#include <limits>

#include "frame/Folders.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/shift/NTv2File.h"

namespace {

// The British National Grid (Transverse Mercator, kind 0).
constexpr double kBritishLat0 = 0.855211333477207;   // 49°N
constexpr double kBritishLon0 = -0.034906585039886;  // 2°W
constexpr double kBritishScale = 0.9996012717;
constexpr double kBritishFalseEasting = 400000;
constexpr double kBritishFalseNorthing = -100000;

// A grid's extent; none when its rows are longer than the 16-bit row
// length holds (the reader has checked the spacing is positive).
std::optional<OstnExtent> ExtentOf(const ShiftGridDef& grid) {
  const DataSetDef& g = grid.header;
  const double nodesPerRow = (g.wLong - g.eLong) / g.longInc + 1;
  if (!(nodesPerRow <= std::numeric_limits<std::uint16_t>::max())) return std::nullopt;
  return OstnExtent{g.eLong, g.sLat, g.wLong, g.nLat, g.longInc, g.latInc, static_cast<std::uint16_t>(nodesPerRow)};
}

double ArcSeconds(double radians) { return radians * kDegreesPerRadian * 3600; }

// The grid's shift at a point, or nothing when one of the cell's four
// nodes lies outside the node array.
std::optional<ArcSecondShift> NodeShift(const ShiftGridDef& g, const OstnExtent& e, double lat, double lon) {
  const double y = ArcSeconds(lat) - e.sLat, x = -ArcSeconds(lon) - e.eLong;
  const double row = std::floor(y / e.latInc), column = std::floor(x / e.longInc);
  const double perRow = e.nodesPerRow;
  const double n = row * perRow + column;
  // In doubles, so that a point far off cannot overflow an index; a NaN
  // fails both tests.
  if (!(n >= 0 && n + perRow + 1 < static_cast<double>(g.shifts.size()))) return std::nullopt;
  const auto i = static_cast<std::size_t>(n), w = static_cast<std::size_t>(perRow);
  const NodeShiftDef* s = g.shifts.data();
  return InterpolateShift(ShiftCell<NodeShiftDef>{s + i, s + i + 1, s + i + w, s + i + w + 1}, x / e.longInc - column,
                          y / e.latInc - row);
}

bool ApplyShift(const ShiftGridDef& g, const OstnExtent& e, double lat, double lon, double& outLat, double& outLon) {
  const auto s = NodeShift(g, e, lat, lon);
  outLat = s ? lat + s->lat * kRadiansPerDegree / 3600 : 0;
  outLon = s ? lon - s->lon * kRadiansPerDegree / 3600 : 0;
  return s.has_value();
}

bool Within(const OstnExtent& e, double latSeconds, double westSeconds) {
  return e.sLat <= latSeconds && latSeconds <= e.nLat && e.eLong <= westSeconds && westSeconds <= e.wLong;
}

std::optional<NTv2ShiftGrids> ReadOstnFile(const char* pattern, const std::string& folder) {
  return ReadNTv2ShiftsFile(FormatText(pattern, folder.c_str()));
}

}  // namespace

COstn15::COstn15() {
  std::string folder;
  FindDataFolder(folder, kOstnDataFolder);
  Load(folder);
}

COstn15::COstn15(const std::string& folder) { Load(folder); }

void COstn15::Load(const std::string& folder) {
  // Without file 2 neither grid is kept: there would be no British grid
  // constants and no way back.
  auto osgbToEtrs = ReadOstnFile(kOstnOsgbToEtrsFile, folder);
  const auto inverseExtent = osgbToEtrs ? ExtentOf(osgbToEtrs->subGrids.front()) : std::nullopt;
  if (!inverseExtent) return;
  osgbToEtrs_ = std::move(osgbToEtrs->subGrids.front());
  inverseExtent_ = *inverseExtent;
  const NTv2Overview& o = osgbToEtrs->overview;
  SetUpBritishGrid(o.majorF, o.minorF, o.majorT, o.minorT);
  auto etrsToOsgb = ReadOstnFile(kOstnEtrsToOsgbFile, folder);
  const auto extent = etrsToOsgb ? ExtentOf(etrsToOsgb->subGrids.front()) : std::nullopt;
  if (!extent) return;
  etrsToOsgb_ = std::move(etrsToOsgb->subGrids.front());
  extent_ = *extent;
}

void COstn15::SetUpBritishGrid(double majorF, double minorF, double majorT, double minorT) {
  osgb36_.SetSpheroidParameters(majorF, majorF / (majorF - minorF));
  etrs89_.SetSpheroidParameters(majorT, majorT / (majorT - minorT));
  britishGrid_.kind = 0;
  britishGrid_.spheroid = &osgb36_;
  britishGrid_.SetOrigin(kBritishFalseNorthing, kBritishScale, kBritishLat0, kBritishLon0, kBritishFalseEasting);
}

bool COstn15::InExtent(double lat, double lon) const {
  return !etrsToOsgb_.shifts.empty() && Within(extent_, ArcSeconds(lat), -ArcSeconds(lon));
}

void COstn15::ShiftToOsgb36(double lat, double lon, double& osgbLat, double& osgbLon) const {
  ApplyShift(etrsToOsgb_, extent_, lat, lon, osgbLat, osgbLon);
}

void COstn15::Forward(double lat, double lon, double& easting, double& northing) const {
  double osgbLat = 0, osgbLon = 0;
  easting = northing = 0;
  if (!ApplyShift(etrsToOsgb_, extent_, lat, lon, osgbLat, osgbLon)) return;
  if (!britishGrid_.Forward(osgbLat, osgbLon, &easting, &northing)) easting = northing = 0;
}

bool COstn15::Inverse(double easting, double northing, double& lat, double& lon) const {
  double osgbLat = 0, osgbLon = 0;
  lat = lon = 0;
  if (!IsLoaded() || !britishGrid_.Inverse(easting, northing, &osgbLat, &osgbLon)) return false;
  if (!Within(inverseExtent_, ArcSeconds(osgbLat), -ArcSeconds(osgbLon))) return false;
  return ApplyShift(osgbToEtrs_, inverseExtent_, osgbLat, osgbLon, lat, lon);
}
