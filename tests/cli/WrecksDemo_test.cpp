// The main job end to end: the demo on the bundled sample, then the wrecks
// commands on the sandbox it leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::Lines;
using testing_support::RunCli;
using testing_support::TempFolder;
namespace stdfs = std::filesystem;

class WrecksCli : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sandbox_ = new TempFolder;
    demo_ = new CliResult(RunCli({"--root", Root(), "demo", "--records", "2"}));
  }
  static void TearDownTestSuite() {
    delete demo_;
    delete sandbox_;
  }
  static std::string Root() { return sandbox_->Path().string(); }
  static std::string Dump(const char* format) {
    const CliResult r = RunCli({"--root", Root(), "wrecks", "dump", "--limit", "10", "--format", format});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  }

  static TempFolder* sandbox_;
  static CliResult* demo_;
};
TempFolder* WrecksCli::sandbox_ = nullptr;
CliResult* WrecksCli::demo_ = nullptr;

TEST_F(WrecksCli, DemoInstallsTheSampleAndLoadReadsIt) {
  ASSERT_EQ(demo_->status, 0) << demo_->err;
  const CliResult load = RunCli({"--root", Root(), "wrecks", "load"});
  ASSERT_EQ(load.status, 0) << load.err;
  const char* lines[] = {
      "install dialog \"Wrecks\"", "accepted", "database: Sample Wrecks Jan 2026", "wrecks: 4000", "obstructions: 1000",
      "search centre: 53\xC2\xB0 00'.000N 002\xC2\xB0 00'.000E", "earliest sunk year: 1700", "search radius: 1.00 NM",
  };
  for (const char* line : lines) EXPECT_TRUE(Contains(demo_->out + load.out, line)) << line;
  EXPECT_TRUE(stdfs::exists(sandbox_->Path() / "C" / "MyData" / "Wrecks" / "Sample Wrecks Jan 2026.WRK"));
  EXPECT_TRUE(stdfs::exists(sandbox_->Path() / "C" / "Navlore Download" / "Installed" / "Sample Wrecks Jan 2026.WKZ"));
}

// One record a field at a time, as each dump form shows it: field name to
// value text, numbers as the text of their value.
using Record = std::map<std::string, std::string>;

// "id: 100000" opens a record; "  field: value" lines follow, empty fields
// left out.
std::vector<Record> ParseText(const std::string& text) {
  std::vector<Record> records;
  for (const auto& line : Lines(text)) {
    const auto colon = line.find(": ");
    if (colon == std::string::npos) continue;
    if (line[0] != ' ') records.emplace_back();
    records.back()[line.substr(line.find_first_not_of(' '), colon - line.find_first_not_of(' '))] =
        line.substr(colon + 2);
  }
  return records;
}

// Quoted fields may hold commas and doubled quotes, never line breaks.
std::vector<std::string> CsvFields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<Record> ParseCsv(const std::string& text, std::vector<std::string>& header) {
  const auto lines = Lines(text);
  header = CsvFields(lines.at(0));
  std::vector<Record> records;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const auto fields = CsvFields(lines[i]);
    EXPECT_EQ(fields.size(), header.size()) << lines[i];
    Record& record = records.emplace_back();
    for (std::size_t f = 0; f < fields.size() && f < header.size(); ++f) record[header[f]] = fields[f];
  }
  return records;
}

// The text and CSV forms write line breaks inside a value as spaces.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

// True when the JSON value and the CSV text carry the same value: the same
// number, the same text, or nothing.
bool SameValue(const nlohmann::json& json, const std::string& csv) {
  if (json.is_null()) return csv.empty();
  if (json.is_number()) return !csv.empty() && json.get<double>() == std::strtod(csv.c_str(), nullptr);
  return json.is_string() && OneLine(json.get<std::string>()) == csv;
}

void ExpectPosition(const nlohmann::json& position) {
  ASSERT_TRUE(position.is_array());
  ASSERT_EQ(position.size(), 2u);
  EXPECT_LE(std::abs(position[0].get<double>()), 180);
  EXPECT_LE(std::abs(position[1].get<double>()), 90);
}

// RFC 7946: no empty geometry, rings of at least four positions that close.
void ExpectValidGeometry(const nlohmann::json& g) {
  const std::string type = g.at("type");
  if (type == "GeometryCollection") {
    ASSERT_GE(g.at("geometries").size(), 2u);
    for (const auto& part : g["geometries"]) ExpectValidGeometry(part);
  } else if (type == "Point") {
    ExpectPosition(g.at("coordinates"));
  } else if (type == "LineString") {
    ASSERT_GE(g.at("coordinates").size(), 2u);
    for (const auto& p : g["coordinates"]) ExpectPosition(p);
  } else {
    ASSERT_EQ(type, "Polygon");
    for (const auto& ring : g.at("coordinates")) {
      ASSERT_GE(ring.size(), 4u);
      EXPECT_EQ(ring.front(), ring.back());
      for (const auto& p : ring) ExpectPosition(p);
    }
  }
}

// The point where the record is charted, and its outline beside it when it
// has one; true when it has.
bool ExpectGeometryWithOutline(const nlohmann::json& feature) {
  const auto& geometry = feature.at("geometry");
  ExpectValidGeometry(geometry);
  const int points = feature.at("properties").at("outline_points");
  EXPECT_EQ(geometry.at("type"), points > 0 ? "GeometryCollection" : "Point");
  if (points > 0) {
    EXPECT_EQ(geometry["geometries"][1]["coordinates"][0].size(), static_cast<std::size_t>(points) + 1);
  }
  return points > 0;
}

// The three forms are written from one list of fields; each record must
// carry the same fields with the same values in all of them, and the
// GeoJSON must be valid.
TEST_F(WrecksCli, DumpFormsAgreeFieldByFieldAndTheGeoJsonIsValid) {
  std::vector<std::string> header;
  const auto csv = ParseCsv(Dump("csv"), header);
  const auto text = ParseText(Dump("text"));
  const auto geojson = nlohmann::json::parse(Dump("geojson"));
  EXPECT_EQ(geojson.at("type"), "FeatureCollection");
  const auto& features = geojson.at("features");
  ASSERT_EQ(csv.size(), 10u);
  ASSERT_EQ(text.size(), csv.size());
  ASSERT_EQ(features.size(), csv.size());
  for (const char* field : {"cargo", "reported", "amended", "nationality", "position_method", "outline_points"})
    EXPECT_NE(std::find(header.begin(), header.end(), field), header.end()) << field;
  int outlines = 0;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const auto& properties = features[i].at("properties");
    EXPECT_EQ(properties.size(), header.size());
    for (const auto& name : header) {
      SCOPED_TRACE(name + " of record " + csv[i].at("id"));
      const std::string& value = csv[i].at(name);
      const auto shown = text[i].find(name);
      EXPECT_EQ(shown == text[i].end() ? "" : shown->second, value);
      ASSERT_TRUE(properties.contains(name));
      EXPECT_TRUE(SameValue(properties[name], value)) << properties[name];
    }
    outlines += ExpectGeometryWithOutline(features[i]);
  }
  EXPECT_GT(outlines, 0);
}

}  // namespace
