#include "WreckReport.h"

#include <cmath>
#include <cstdio>
#include <ostream>

#include "Host.h"
#include "frame/Exports.h"
#include "geodesy/angle/AngleText.h"
#include "platform/ui/Automation.h"
#include "wrecks/CountryTable.h"
#include "wrecks/DateText.h"
#include "wrecks/WreckCodeTables.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckResources.h"

namespace host {
namespace {

constexpr double kDegreesPerRadian = 57.2957795131;
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

std::string Csv(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c == '\r' ? ' ' : c == '\n' ? ' ' : c;
  }
  return out + "\"";
}

std::string Json(std::string_view ansi) {
  std::string out = "\"";
  for (char c : Out(std::string(ansi))) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string Number(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

void PrintText(std::ostream& out, const WreckDef& w) {
  out << w.data.wreckId << "  " << Out(DisplayName(w)) << "\n"
      << "    " << (w.IsWreck() ? "wreck: " : "obstruction: ") << Category(w) << "; status "
      << WreckCodeText(WreckCode::Status, w.data.status) << "\n"
      << "    " << Out(FormatAngle(w.data.latitude, kLatitudeKind, kDegreesMinutes, 3)) << "  "
      << Out(FormatAngle(w.data.longitude, kLongitudeKind, kDegreesMinutes, 3)) << "  depth " << Number(w.data.depth, 1)
      << " m\n";
  const std::string country = CountryNameFromCode(Nationality(w));
  if (!country.empty()) out << "    nationality " << Out(country) << "\n";
  if (const auto sunk = DateText(w.data.sunk); !sunk.text.empty()) out << "    sunk " << sunk.text << "\n";
  if (w.data.vesselType) out << "    " << WreckCodeText(WreckCode::VesselType, w.data.vesselType) << "\n";
}

const char* const kCsvHeader =
    "id,kind,name,latitude,longitude,category,status,depth_m,nationality,country,vessel_type,cargo,sunk,"
    "reported,amended,position_method,outline_points,history,survey,comment\n";

void PrintCsv(std::ostream& out, const WreckDef& w) {
  const auto& d = w.data;
  out << d.wreckId << ',' << (w.IsWreck() ? "wreck" : "obstruction") << ',' << Csv(Out(DisplayName(w))) << ','
      << Number(d.latitude * kDegreesPerRadian, 7) << ',' << Number(d.longitude * kDegreesPerRadian, 7) << ','
      << Csv(Category(w)) << ',' << Csv(WreckCodeText(WreckCode::Status, d.status)) << ',' << Number(d.depth, 1)
      << ',' << Csv(Nationality(w)) << ',' << Csv(Out(CountryNameFromCode(Nationality(w)))) << ','
      << Csv(WreckCodeText(WreckCode::VesselType, d.vesselType)) << ','
      << Csv(WreckCodeText(WreckCode::Cargo, d.cargo)) << ',' << Csv(DateText(d.sunk).text) << ','
      << Csv(DateText(d.reported).text) << ',' << Csv(DateText(d.amended).text) << ','
      << Csv(WreckCodeText(WreckCode::PositionMethod, d.positionMethod)) << ',' << w.outline.GetSize() << ','
      << Csv(Out(std::string(w.History()))) << ',' << Csv(Out(std::string(w.Survey()))) << ','
      << Csv(Out(std::string(w.Comment()))) << '\n';
}

void PrintFeature(std::ostream& out, const WreckDef& w, bool first) {
  const auto& d = w.data;
  out << (first ? "" : ",\n") << R"({"type":"Feature","geometry":{"type":"Point","coordinates":[)"
      << Number(d.longitude * kDegreesPerRadian, 8) << ',' << Number(d.latitude * kDegreesPerRadian, 8)
      << "]},\"properties\":{\"id\":" << d.wreckId << ",\"kind\":\"" << (w.IsWreck() ? "wreck" : "obstruction")
      << "\",\"name\":" << Json(DisplayName(w)) << ",\"category\":" << Json(Category(w))
      << ",\"status\":" << Json(WreckCodeText(WreckCode::Status, d.status)) << ",\"depth_m\":" << Number(d.depth, 1)
      << ",\"country\":" << Json(CountryNameFromCode(Nationality(w)))
      << ",\"vessel_type\":" << Json(WreckCodeText(WreckCode::VesselType, d.vesselType))
      << ",\"sunk\":" << Json(DateText(d.sunk).text) << ",\"history\":" << Json(w.History())
      << ",\"survey\":" << Json(w.Survey()) << ",\"comment\":" << Json(w.Comment()) << "}}";
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
  if (format == DumpFormat::Csv) out << kCsvHeader;
  if (format == DumpFormat::GeoJson) out << "{\"type\":\"FeatureCollection\",\"features\":[\n";
  for (std::size_t i = 0; i < count; ++i) {
    const WreckDef& w = *wrecks.GetAt(i);
    switch (format) {
      case DumpFormat::Text: PrintText(out, w); break;
      case DumpFormat::Csv: PrintCsv(out, w); break;
      case DumpFormat::GeoJson: PrintFeature(out, w, i == 0); break;
    }
  }
  if (format == DumpFormat::GeoJson) out << "\n]}\n";
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

void DeleteWrecks(CWreckList& wrecks) {
  for (WreckDef* w : wrecks.records) delete w;
  wrecks.RemoveAll();
}

}  // namespace host
