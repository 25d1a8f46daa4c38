// overlays kml load, end to end: the counts and records as text, the
// GeoJSON a GIS opens, and a clear failure for a file that loads nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "kml/KmzArchive.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;
using testing_support::TempFolder;
using testing_support::WriteKmz;
namespace stdfs = std::filesystem;

const char kOverlay[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<kml xmlns="http://www.opengis.net/kml/2.2">
<Style id="Red">
<LineStyle>
<color>ff0000ff</color>
<width>3</width>
</LineStyle>
</Style>
<Placemark>
<name>North Buoy</name>
<styleUrl>#Red</styleUrl>
<Point>
<coordinates>1.5,52.25,0</coordinates>
</Point>
</Placemark>
<Placemark>
<name>Route</name>
<styleUrl>#Red</styleUrl>
<LineString>
<coordinates>-1.25,50.5,0 -1.5,50.75,0</coordinates>
</LineString>
</Placemark>
</kml>
)";

TEST(CliKml, PrintsCountsAndRecordsOfAnArchiveOutsideEveryDrive) {
  TempFolder sandbox, charts;
  WriteKmz(charts.Path() / "overlay.kmz", {{"doc.kml", kOverlay}});
  const CliResult r =
      RunCli({"--root", sandbox.Path().string(), "kml", "load", (charts.Path() / "overlay.kmz").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "1 styles, 1 points, 1 lines, 0 polygons")) << r.out;
  EXPECT_TRUE(Contains(r.out, "style Red: width 3, line #FF0000, polygon #008000")) << r.out;
  EXPECT_TRUE(Contains(r.out, "point \"north buoy\" #red: 1.50000000 52.25000000")) << r.out;
  EXPECT_TRUE(Contains(r.out, "  -1.50000000 50.75000000")) << r.out;
  // The extraction beside the archive leaves nothing behind.
  EXPECT_FALSE(stdfs::exists(charts.Path() / "Temp"));
}

TEST(CliKml, WritesGeoJsonWithTheStylesLook) {
  TempFolder sandbox;
  WriteKmz(sandbox.Path() / "C" / "Charts" / "overlay.kmz", {{"doc.kml", kOverlay}});
  const CliResult r = RunCli(
      {"--root", sandbox.Path().string(), "kml", "load", "C:\\Charts\\overlay.kmz", "--format", "geojson"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "{\"type\":\"FeatureCollection\"")) << r.out;
  EXPECT_TRUE(Contains(r.out, "{\"type\":\"Point\",\"coordinates\":[1.50000000,52.25000000]}")) << r.out;
  EXPECT_TRUE(Contains(r.out, "\"type\":\"LineString\"")) << r.out;
  EXPECT_TRUE(Contains(r.out, "\"name\":\"route\",\"styleUrl\":\"#red\",\"stroke\":\"#FF0000\",\"stroke-width\":3"))
      << r.out;
}

TEST(CliKml, AFileThatLoadsNothingFailsWithAClearMessage) {
  TempFolder sandbox;
  WriteKmz(sandbox.Path() / "C" / "styles.kmz",
           {{"doc.kml", "<kml>\n<Style id=\"a\">\n<LineStyle>\n<width>2</width>\n</LineStyle>\n</Style>\n"}});
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\styles.kmz", "nothing loaded from C:\\styles.kmz"},
      {(sandbox.Path() / "missing.kmz").string(), "no such file"},
  };
  for (const auto& [file, message] : cases) {
    const CliResult r = RunCli({"--root", sandbox.Path().string(), "kml", "load", file});
    EXPECT_EQ(r.status, 1) << file;
    EXPECT_TRUE(Contains(r.err, message)) << r.err;
  }
}

}  // namespace
