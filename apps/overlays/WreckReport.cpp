#include "WreckReport.h"

#include <ostream>
#include <vector>

#include "CsvText.h"
#include "GeoJson.h"
#include "Host.h"
#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleText.h"
#include "geodesy/angle/AngleUnits.h"
#include "platform/ui/Automation.h"
#include "wrecks/CountryTable.h"
#include "wrecks/DateText.h"
#include "wrecks/WreckCodeTables.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckResources.h"

namespace host {
namespace {

constexpr int kLatitudeKind = 5, kLongitudeKind = 6, kDegreesMinutes = 1;

std::string Category(const WreckDef& w) {
  return w.IsWreck() ? WreckCodeText(WreckCode::WreckCategory, w.data.wreckCategory)
                     : WreckCodeText(WreckCode::ObstructionCategory, w.data.obstructionCategory);
}

std::string DisplayName(const WreckDef& w) {
  if (!w.Name().empty()) return std::string(w.Name());
  return "WID:" + std::to_string(w.data.wreckId);
}

std::string Nationality(const WreckDef& w) { return std::string(w.data.nationality, 2); }

// A latitude and longitude of exactly 0 mean the record has no position.
bool HasPosition(const WreckDef& w) { return w.data.latitude != 0 || w.data.longitude != 0; }

std::string Number(double value, int decimals) { return FormatText("%.*f", decimals, value); }

std::string Degrees(double radians, const WreckDef& w) {
  return HasPosition(w) ? Number(radians * kDegreesPerRadian, 7) : std::string();
}

// How a field is written: text quoted in CSV and a string in JSON, or a
// number bare in both.
enum class FieldType { Text, Number };

// One field of a record as every dump form shows it: the value is UTF-8
// text, empty when the record has none (left out of the text form, empty
// in CSV, null in JSON).
struct WreckField {
  const char* name;
  FieldType type;
  std::string (*value)(const WreckDef&);
};

// The fields of the dump, in order: the text, CSV and GeoJSON forms are
// all written from this one list so that none of them can drop a field.
const WreckField kWreckFields[] = {
    {"id", FieldType::Number, [](const WreckDef& w) { return std::to_string(w.data.wreckId); }},
    {"kind", FieldType::Text, [](const WreckDef& w) { return std::string(w.IsWreck() ? "wreck" : "obstruction"); }},
    {"name", FieldType::Text, [](const WreckDef& w) { return Out(DisplayName(w)); }},
    {"latitude", FieldType::Number, [](const WreckDef& w) { return Degrees(w.data.latitude, w); }},
    {"longitude", FieldType::Number, [](const WreckDef& w) { return Degrees(w.data.longitude, w); }},
    {"category", FieldType::Text, [](const WreckDef& w) { return Category(w); }},
    {"status", FieldType::Text, [](const WreckDef& w) { return WreckCodeText(WreckCode::Status, w.data.status); }},
    {"depth_m", FieldType::Number,
     [](const WreckDef& w) { return w.data.depth != 0 ? Number(w.data.depth, 1) : std::string(); }},
    {"nationality", FieldType::Text, [](const WreckDef& w) { return Out(Nationality(w)); }},
    {"country", FieldType::Text, [](const WreckDef& w) { return Out(CountryNameFromCode(Nationality(w))); }},
    {"vessel_type", FieldType::Text,
     [](const WreckDef& w) { return WreckCodeText(WreckCode::VesselType, w.data.vesselType); }},
    {"cargo", FieldType::Text, [](const WreckDef& w) { return WreckCodeText(WreckCode::Cargo, w.data.cargo); }},
    {"sunk", FieldType::Text, [](const WreckDef& w) { return DateText(w.data.sunk).text; }},
    {"reported", FieldType::Text, [](const WreckDef& w) { return DateText(w.data.reported).text; }},
    {"amended", FieldType::Text, [](const WreckDef& w) { return DateText(w.data.amended).text; }},
    {"position_method", FieldType::Text,
     [](const WreckDef& w) { return WreckCodeText(WreckCode::PositionMethod, w.data.positionMethod); }},
    {"outline_points", FieldType::Number, [](const WreckDef& w) { return std::to_string(w.outline.GetSize()); }},
    {"history", FieldType::Text, [](const WreckDef& w) { return Out(std::string(w.History())); }},
    {"survey", FieldType::Text, [](const WreckDef& w) { return Out(std::string(w.Survey())); }},
    {"comment", FieldType::Text, [](const WreckDef& w) { return Out(std::string(w.Comment())); }},
};

std::string Csv(const WreckField& field, const std::string& value) {
  return field.type == FieldType::Number ? value : CsvQuoted(value);
}

void PrintCsvHeader(std::ostream& out) {
  for (const WreckField& field : kWreckFields) out << (&field == kWreckFields ? "" : ",") << field.name;
  out << "\n";
}

void PrintCsv(std::ostream& out, const WreckDef& w) {
  for (const WreckField& field : kWreckFields)
    out << (&field == kWreckFields ? "" : ",") << Csv(field, field.value(w));
  out << "\n";
}

// "id: 100000" and then the other fields that have a value, indented.
void PrintText(std::ostream& out, const WreckDef& w) {
  for (const WreckField& field : kWreckFields) {
    const std::string value = field.value(w);
    if (!value.empty()) out << (&field == kWreckFields ? "" : "  ") << field.name << ": " << OneLine(value) << "\n";
  }
}

geojson::Json Properties(const WreckDef& w) {
  geojson::Json properties = geojson::Json::object();
  for (const WreckField& field : kWreckFields) {
    const std::string value = field.value(w);
    // A number keeps the digits the other forms print.
    properties[field.name] = value.empty()                     ? geojson::Json(nullptr)
                             : field.type == FieldType::Number ? geojson::Json::parse(value)
                                                               : geojson::Json(value);
  }
  return properties;
}

// An outline that encloses an area is a polygon (the module keeps rings
// open; the helper closes them), two or more positions otherwise a line.
geojson::Json OutlineGeometry(const CXYArray& outline) {
  geojson::Json polygon = geojson::Polygon(outline);
  return polygon.is_null() ? geojson::LineString(outline) : polygon;
}

// The position and the outline together: a GIS shows the symbol where the
// record is charted and the outline of the debris or hull around it, and a
// feature has one geometry, so both go into a GeometryCollection rather
// than into two features that would count the record twice.
geojson::Json Geometry(const WreckDef& w) {
  std::vector<geojson::Json> parts;
  if (HasPosition(w)) parts.push_back(geojson::Point({w.data.longitude, w.data.latitude}));
  if (geojson::Json outline = OutlineGeometry(w.outline); !outline.is_null()) parts.push_back(std::move(outline));
  return geojson::Collection(std::move(parts));
}

}  // namespace

void PrintLoadSummary(std::ostream& out, const CWreckList& wrecks, const CWreckList& s) {
  out << "database: " << (wrecks.databaseTitle.empty() ? "(none)" : Out(wrecks.databaseTitle)) << "\n"
      << "wrecks: " << wrecks.wreckCount << "\n"
      << "obstructions: " << wrecks.obstructionCount << "\n"
      << "earliest sunk year: " << wrecks.earliestYear << "\n"
      << "search method: " << s.searchMethod << "\n"
      << "search centre: " << Out(FormatAngle(s.centreLatitude, kLatitudeKind, kDegreesMinutes, 3)) << " "
      << Out(FormatAngle(s.centreLongitude, kLongitudeKind, kDegreesMinutes, 3)) << "\n"
      << "search radius: " << Number(s.searchRadius, 2) << " NM\n"
      << "search name: " << Out(s.searchName) << "\n"
      << "show wrecks: " << s.showWrecks << ", show obstructions: " << s.showObstructions
      << ", labels: " << s.label << ", search circle: " << s.showSearchRadius << "\n";
}

void PrintWrecks(std::ostream& out, const CWreckList& wrecks, long limit, DumpFormat format) {
  const std::size_t count =
      limit < 0 ? wrecks.GetSize() : std::min(wrecks.GetSize(), static_cast<std::size_t>(limit));
  std::vector<geojson::Json> features;
  if (format == DumpFormat::Csv) PrintCsvHeader(out);
  for (std::size_t i = 0; i < count; ++i) {
    const WreckDef& w = *wrecks.GetAt(i);
    switch (format) {
      case DumpFormat::Text: PrintText(out, w); break;
      case DumpFormat::Csv: PrintCsv(out, w); break;
      case DumpFormat::GeoJson: features.push_back(geojson::AnyFeature(Geometry(w), Properties(w))); break;
    }
  }
  if (format == DumpFormat::GeoJson) geojson::PrintCollection(out, features);
}

bool InstallWrecksWithDialog(std::ostream& out, bool accept) {
  bool offered = false;
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started || d.TemplateId() != IDD_WRECK_SPLASH) return;
    offered = true;
    out << "install dialog \"" << Out(d.Caption()) << "\":\n  " << Out(d.Text(IDC_SPLASH_NOTICE)) << "\n";
    out << (accept ? "accepted" : "declined") << "\n";
    d.Click(accept ? IDC_ACCEPT : IDC_DECLINE);
  });
  InstallWrecks();
  return offered;
}

void LoadWrecks(CWreckList& wrecks, CWreckList& searchList) { LoadingWrecks(&wrecks, &searchList); }

LoadedWrecks::LoadedWrecks() {
  LoadWrecks(wrecks, searchList);
  if (wrecks.GetSize() == 0)
    throw CommandError("no wreck database is installed (run 'overlays install --yes' with a package waiting)");
}

void DeleteWrecks(CWreckList& wrecks) {
  for (WreckDef* w : wrecks.records) delete w;
  wrecks.RemoveAll();
}

}  // namespace host
