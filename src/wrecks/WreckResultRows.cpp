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

using Rows = CWreckResultRows;

std::string AngleCell(double radians, int kind, const AngleSettings& s) {
  return FormatAngle(radians, kind, s.format, s.decimals, s.hemisphere);
}

tagXY GridOf(const Rows& rows, const WreckDef& w) {
  return rows.GridDatum()->LatLonToGrid({w.data.longitude, w.data.latitude});
}

ResultCell Type(const Rows&, const WreckDef& w) {
  return w.IsWreck() ? ResultCell{"Wreck", kWreckImage} : ResultCell{"Obstruction", kObstructionImage};
}

ResultCell Name(const Rows&, const WreckDef& w) {
  std::string name(w.Name());
  if (name.empty()) name = FormatText("WID:%d", static_cast<int>(w.data.wreckId));
  return {name, CWrecksImageList::kFirstFlagImage + CWrecksImageList::GetCountryCode(w.data)};
}

ResultCell Latitude(const Rows& rows, const WreckDef& w) {
  return {AngleCell(w.data.latitude, kLatitudeKind, rows.LatitudeSettings())};
}

ResultCell Longitude(const Rows& rows, const WreckDef& w) {
  return {AngleCell(w.data.longitude, kLongitudeKind, rows.LongitudeSettings())};
}

ResultCell Easting(const Rows& rows, const WreckDef& w) { return {FormatText("%.3lf", GridOf(rows, w).x)}; }

ResultCell Northing(const Rows& rows, const WreckDef& w) { return {FormatText("%.3lf", GridOf(rows, w).y)}; }

ResultCell Depth(const Rows&, const WreckDef& w) { return {FormatText("%.1lf", static_cast<double>(w.data.depth))}; }

ResultCell State(const Rows&, const WreckDef& w) {
  return {WreckCodeText(WreckCode::Status, w.data.status), CWrecksImageList::GetStatus(w.data)};
}

ResultCell Sunk(const Rows&, const WreckDef& w) {
  return {w.data.sunk == 0 ? std::string("n/a") : FormatText("%d", static_cast<int>(w.data.sunk))};
}

ResultCell Amended(const Rows&, const WreckDef& w) { return {DateText(w.data.amended).text}; }

ResultCell Category(const Rows&, const WreckDef& w) {
  if (w.IsWreck())
    return {WreckCodeText(WreckCode::WreckCategory, w.data.wreckCategory), CWrecksImageList::GetCaution()};
  return {WreckCodeText(WreckCode::ObstructionCategory, w.data.obstructionCategory)};
}

struct ResultColumn {
  std::string_view heading;
  bool gridOnly;
  ResultCell (*cell)(const Rows&, const WreckDef&);
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
  std::vector<ResultCell> cells;
  cells.reserve(kColumns.size());
  for (const ResultColumn& column : kColumns)
    if (datum_ || !column.gridOnly) cells.push_back(column.cell(*this, record));
  return cells;
}
