// The main job end to end: the demo's tour on the bundled samples, then the
// wrecks commands on the sandbox it leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
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

// The sandbox the demo left behind, made once for every test here, and what the demo printed.
const TempFolder& Sandbox() {
  static const TempFolder sandbox;
  return sandbox;
}
const CliResult& Demo() {
  static const CliResult demo = RunCli({"--root", Sandbox().Path().string(), "demo"});
  return demo;
}

std::string Dump(const char* format) {
  const CliResult r =
      RunCli({"--root", Sandbox().Path().string(), "wrecks", "dump", "--limit", "10", "--format", format});
  EXPECT_EQ(r.status, 0) << r.err;
  return r.out;
}

// Each step of the tour prints the command it runs and a line that shows
// the step did its work; the sandbox is left for the commands that follow.
TEST(WrecksCli, DemoToursTheModuleAndLeavesASandboxToGoOnIn) {
  ASSERT_EQ(Demo().status, 0) << Demo().err;
  const std::string root = Sandbox().Path().string();
  const struct {
    const char* command;  // after "$ overlays --root SANDBOX "
    const char* shows;
  } steps[] = {
      {"install --yes", "filed away as C:\\Navlore Download\\Installed\\Sample Wind Farms Jan 2026.WFZ"},
      {"wrecks load", "wrecks: 4000"},
      {"grids install", "OSTN: 2 files into"},
      // Grid 1:0 is the British National Grid, reached through OSTN15.
      {"wrecks search --place Plymouth --radius 20 --datum 2:0 --grid 1:0", "\tEasting\tNorthing\t"},
      {"wrecks show ", "  Grid: OSTN15 transformation"},
      {"kml select --add 'C:\\Charts\\Plymouth Approaches.kmz'", "Plymouth Approaches\t3\t1\t1"},
      {"shape add 'C:\\Charts\\Sound Survey Lines.shp'", "Sound Survey Lines\t\t3\t\tShow"},
      {"windfarms find 'Cobalt Reach'", "found: Cobalt Reach (farm 3)"},
      {"windfarms turbines", "dialog \"Cobalt Reach Wind Farm (Extension)\""},
      {"seaareas --highlight Plymouth", "Highlight: Plymouth in Red"},
  };
  const std::string& out = Demo().out;
  std::size_t at = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.command);
    at = out.find("$ overlays --root " + root + " " + step.command, at);
    ASSERT_NE(at, std::string::npos) << out;
    EXPECT_NE(out.find(step.shows, at), std::string::npos) << out.substr(at);
  }
  // The nearest wreck is the one whose page is shown.
  const auto nearest = out.find("nearest: wreck ");
  ASSERT_NE(nearest, std::string::npos);
  const std::string id = out.substr(nearest + 15, out.find(',', nearest) - nearest - 15);
  EXPECT_TRUE(Contains(out, "wrecks show " + id + " --datum 2:0 --grid 1:0\n    Wreck ID " + id + "\n")) << out;
  EXPECT_TRUE(Contains(out, "The sandbox stays at " + root)) << out;
}

// A step that fails stops the tour with its own reason in one line.
TEST(WrecksCli, DemoStopsAtAFailingStepWithItsReason) {
  TempFolder used, broken;
  ASSERT_EQ(RunCli({"--root", used.Path().string(), "folders"}).status, 0);
  std::ofstream(used.Path() / "C" / "note.txt") << "already used";
  const stdfs::path notZip = broken.Path() / "Broken.WKZ";
  std::ofstream(notZip) << "not a ZIP archive";
  const struct {
    std::vector<std::string> args;
    const char* err;
  } cases[] = {
      {{"--root", used.Path().string(), "demo"}, "the demo needs a fresh sandbox"},
      {{"--root", (broken.Path() / "sandbox").string(), "demo", "--package", notZip.string()},
       "the demo stopped at step 1: cannot unpack"},
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
    EXPECT_TRUE(Contains(r.err, c.err)) << r.err;
  }
}

// The search the tour made is the one remembered.
TEST(WrecksCli, LoadAfterTheDemoReadsTheSampleAndTheTourSearch) {
  ASSERT_EQ(Demo().status, 0) << Demo().err;
  const CliResult load = RunCli({"--root", Sandbox().Path().string(), "wrecks", "load"});
  ASSERT_EQ(load.status, 0) << load.err;
  const char* lines[] = {
      "database: Sample Wrecks Jan 2026", "wrecks: 4000", "obstructions: 1000",
      "earliest sunk year: 1700", "search centre: 50\xC2\xB0 21'.779N 004\xC2\xB0 10'.956W", "search radius: 20.00 NM",
      "show wrecks: 1, show obstructions: 1",
  };
  for (const char* line : lines) EXPECT_TRUE(Contains(load.out, line)) << line;
  EXPECT_TRUE(stdfs::exists(Sandbox().Path() / "C" / "MyData" / "Wrecks" / "Sample Wrecks Jan 2026.WRK"));
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

// The text form of CSV records: "id: 100000" opens a record and
// "  field: value" lines follow, empty fields left out.
std::string TextOf(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& records) {
  std::string text;
  for (const auto& record : records) {
    text += header[0] + ": " + record[0] + "\n";
    for (std::size_t f = 1; f < record.size(); ++f)
      if (!record[f].empty()) text += "  " + header[f] + ": " + record[f] + "\n";
  }
  return text;
}

// True when the JSON value and the CSV text carry the same value: the same
// number, the same text (whose line breaks CSV writes as spaces), or nothing.
bool SameValue(const nlohmann::json& json, const std::string& csv) {
  if (json.is_null()) return csv.empty();
  if (json.is_number()) return !csv.empty() && json.get<double>() == std::strtod(csv.c_str(), nullptr);
  std::string text = json.is_string() ? json.get<std::string>() : "not text";
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text == csv;
}

// A position on the globe: longitude, latitude.
void ExpectPosition(const nlohmann::json& position) {
  ASSERT_EQ(position.size(), 2u);
  EXPECT_LE(std::abs(position[0].get<double>()), 180);
  EXPECT_LE(std::abs(position[1].get<double>()), 90);
}

// The point where the record is charted, and its outline beside it when it
// has one: a ring of outline_points positions closed by the first again
// (RFC 7946). True when it has one.
bool ExpectChartedGeometry(const nlohmann::json& feature) {
  const auto& geometry = feature.at("geometry");
  const int points = feature.at("properties").at("outline_points");
  const auto& point = points == 0 ? geometry : geometry.at("geometries").at(0);
  EXPECT_EQ(geometry.at("type"), points == 0 ? "Point" : "GeometryCollection");
  EXPECT_EQ(point.at("type"), "Point");
  ExpectPosition(point.at("coordinates"));
  if (points == 0) return false;
  EXPECT_EQ(geometry.at("geometries").at(1).at("type"), "Polygon");
  const auto& ring = geometry.at("geometries").at(1).at("coordinates").at(0);
  EXPECT_EQ(ring.size(), static_cast<std::size_t>(points) + 1);
  EXPECT_EQ(ring.front(), ring.back());
  for (const auto& position : ring) ExpectPosition(position);
  return true;
}

// The three forms are written from one list of fields; each record must
// carry the same fields with the same values in all of them, and the
// GeoJSON must be valid.
TEST(WrecksCli, DumpFormsAgreeFieldByFieldAndTheGeoJsonIsValid) {
  ASSERT_EQ(Demo().status, 0) << Demo().err;
  const auto lines = Lines(Dump("csv"));
  const auto header = CsvFields(lines.at(0));
  std::vector<std::vector<std::string>> csv;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    csv.push_back(CsvFields(lines[i]));
    ASSERT_EQ(csv.back().size(), header.size()) << lines[i];
  }
  ASSERT_EQ(csv.size(), 10u);
  for (const char* field : {"cargo", "reported", "amended", "nationality", "position_method", "outline_points"})
    EXPECT_NE(std::find(header.begin(), header.end(), field), header.end()) << field;
  EXPECT_EQ(Dump("text"), TextOf(header, csv));
  const auto geojson = nlohmann::json::parse(Dump("geojson"));
  EXPECT_EQ(geojson.at("type"), "FeatureCollection");
  const auto& features = geojson.at("features");
  ASSERT_EQ(features.size(), csv.size());
  int outlines = 0;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const auto& properties = features[i].at("properties");
    EXPECT_EQ(properties.size(), header.size());
    for (std::size_t f = 0; f < header.size(); ++f) {
      SCOPED_TRACE(header[f] + " of record " + csv[i][0]);
      ASSERT_TRUE(properties.contains(header[f]));
      EXPECT_TRUE(SameValue(properties[header[f]], csv[i][f])) << properties[header[f]];
    }
    outlines += ExpectChartedGeometry(features[i]);
  }
  EXPECT_GT(outlines, 0);
}

}  // namespace
