#include "windfarm/WindFarmPositionText.h"

#include "frame/FormatText.h"
#include "geodesy/angle/AngleText.h"
#include "geodesy/datum/Datum.h"
#include "geodesy/datum/DatumFamilies.h"

namespace {

constexpr int kLatitudeKind = 5;
constexpr int kLongitudeKind = 6;
constexpr int kDecimalMinutes = 1;
constexpr int kMinuteDecimals = 4;

}  // namespace

bool ShowsGridColumns(const CDatum* datum) { return datum && datum->Family() != kGeographicalsFamily; }

std::vector<std::string> PositionCells(const tagXY& position, CDatum* grid) {
  std::vector<std::string> cells = {FormatAngle(position.y, kLatitudeKind, kDecimalMinutes, kMinuteDecimals),
                                    FormatAngle(position.x, kLongitudeKind, kDecimalMinutes, kMinuteDecimals)};
  if (!grid) return cells;
  const tagXY onGrid = grid->LatLonToGrid(position);
  cells.push_back(FormatText("%.3lf", onGrid.x));
  cells.push_back(FormatText("%.3lf", onGrid.y));
  return cells;
}
