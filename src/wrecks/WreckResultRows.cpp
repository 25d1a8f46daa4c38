#include "wrecks/WreckResultRows.h"

#include <array>

#include "frame/FormatText.h"
#include "geodesy/angle/AngleKind.h"
#include "geodesy/angle/AngleText.h"
#include "geodesy/datum/Datum.h"
#include "wrecks/DateText.h"
#include "wrecks/WreckCodeTables.h"
#include "wrecks/WreckRecord.h"
#include "wrecks/WrecksImageList.h"

namespace {

constexpr int kLatitudeKind = 5;
constexpr int kLongitudeKind = 6;
constexpr int kWreckImage = 0;
constexpr int kObstructionImage = 1;

// One record on its way into a row: its grid position is worked out once
// for both grid columns.
struct RowInput {
  const CWreckResultRows& rows;
  const WreckDef& w;
  tagXY grid;
};

std::string AngleCell(double radians, int kind, const AngleSettings& s) {
  return FormatAngle(radians, kind, s.format, s.decimals, s.hemisphere);
}

ResultCell Type(const RowInput& in) {
  return in.w.IsWreck() ? ResultCell{"Wreck", kWreckImage} : ResultCell{"Obstruction", kObstructionImage};
}

ResultCell Name(const RowInput& in) {
  std::string name(in.w.Name());
  if (name.empty()) name = FormatText("WID:%d", static_cast<int>(in.w.data.wreckId));
  return {name, CWrecksImageList::kFirstFlagImage + CWrecksImageList::GetCountryCode(in.w.data)};
}

ResultCell Latitude(const RowInput& in) {
  return {AngleCell(in.w.data.latitude, kLatitudeKind, in.rows.LatitudeSettings())};
}

ResultCell Longitude(const RowInput& in) {
  return {AngleCell(in.w.data.longitude, kLongitudeKind, in.rows.LongitudeSettings())};
}

ResultCell Easting(const RowInput& in) { return {FormatText("%.3lf", in.grid.x)}; }

ResultCell Northing(const RowInput& in) { return {FormatText("%.3lf", in.grid.y)}; }

ResultCell Depth(const RowInput& in) { return {FormatText("%.1lf", static_cast<double>(in.w.data.depth))}; }

ResultCell State(const RowInput& in) {
  return {WreckCodeText(WreckCode::Status, in.w.data.status), CWrecksImageList::GetStatus(in.w.data)};
}

ResultCell Sunk(const RowInput& in) {
  return {in.w.data.sunk == 0 ? std::string("n/a") : FormatText("%d", static_cast<int>(in.w.data.sunk))};
}

ResultCell Amended(const RowInput& in) { return {DateText(in.w.data.amended).text}; }

ResultCell Category(const RowInput& in) {
  if (in.w.IsWreck())
    return {WreckCodeText(WreckCode::WreckCategory, in.w.data.wreckCategory), CWrecksImageList::GetCaution()};
  return {WreckCodeText(WreckCode::ObstructionCategory, in.w.data.obstructionCategory)};
}

struct ResultColumn {
  std::string_view heading;
  bool gridOnly;
  ResultCell (*cell)(const RowInput& in);
};

constexpr std::array<ResultColumn, 11> kColumns = {{
    {"Type", false, Type},
    {"ID/Name", false, Name},
    {"Latitude", false, Latitude},
    {"Longitude", false, Longitude},
    {"Easting", true, Easting},
    {"Northing", true, Northing},
    {"Depth", false, Depth},
    {"State", false, State},
    {"Sunk", false, Sunk},
    {"Amended", false, Amended},
    {"Category", false, Category},
}};

}  // namespace

CWreckResultRows::CWreckResultRows(CDatum* gridDatum)
    : datum_(gridDatum), latitude_(ReadAngleSettings(kLatitudeKind)), longitude_(ReadAngleSettings(kLongitudeKind)) {}

std::vector<std::string_view> CWreckResultRows::Headings() const {
  std::vector<std::string_view> headings;
  for (const ResultColumn& column : kColumns)
    if (datum_ || !column.gridOnly) headings.push_back(column.heading);
  return headings;
}

std::vector<ResultCell> CWreckResultRows::Cells(const WreckDef& record) const {
  const tagXY grid = datum_ ? datum_->LatLonToGrid({record.data.longitude, record.data.latitude}) : tagXY{};
  const RowInput in{*this, record, grid};
  std::vector<ResultCell> cells;
  cells.reserve(kColumns.size());
  for (const ResultColumn& column : kColumns)
    if (datum_ || !column.gridOnly) cells.push_back(column.cell(in));
  return cells;
}
