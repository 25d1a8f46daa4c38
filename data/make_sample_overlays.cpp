// Writes the bundled sample overlays the demo shows beside the sample
// wrecks off Plymouth: a KMZ archive of a few marks, a route and an area,
// and a polyline shapefile of survey lines with its table and projection.
// Every name and position in them is invented.
//   make_sample_overlays OUTPUT.KMZ OUTPUT.SHP

#include <shapefil.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "ShapefileWriter.h"
#include "ZipWriter.h"

namespace {

namespace stdfs = std::filesystem;

// 15 January 2026 12:00, the issue date of the other samples.
constexpr std::uint32_t kIssued = ((2026u - 1980u) << 25) | (1u << 21) | (15u << 16) | (12u << 11);

struct Mark {
  const char* name;
  const char* style;
  const char* geometry;  // Point, LineString or Polygon
  const char* coordinates;  // longitude,latitude,height tuples
};

const Mark kMarks[] = {
    {"Mewstone Dive Buoy", "Marks", "Point", "-4.1050,50.2980,0"},
    {"Rame Anchor Spot", "Marks", "Point", "-4.2300,50.3000,0"},
    {"Sound Pilot Mark", "Marks", "Point", "-4.1550,50.3350,0"},
    {"Harbour Approach Route", "Route", "LineString",
     "-4.2500,50.2700,0 -4.2000,50.3000,0 -4.1650,50.3250,0 -4.1480,50.3450,0"},
    {"Practice Area Kilo", "Area", "Polygon",
     "-4.1000,50.2500,0 -4.0300,50.2500,0 -4.0300,50.2900,0 -4.1000,50.2900,0 -4.1000,50.2500,0"},
};

// KML colours are aabbggrr.
constexpr char kStyles[] =
    "<Style id=\"Marks\">\n<IconStyle>\n<color>ff00ffff</color>\n</IconStyle>\n</Style>\n"
    "<Style id=\"Route\">\n<LineStyle>\n<color>ff0000ff</color>\n<width>3</width>\n</LineStyle>\n</Style>\n"
    "<Style id=\"Area\">\n<LineStyle>\n<color>ffff0000</color>\n<width>2</width>\n</LineStyle>\n"
    "<PolyStyle>\n<color>7fff0000</color>\n</PolyStyle>\n</Style>\n";

// One element a line, the layout the module's reader takes.
std::string Placemark(const Mark& m) {
  const std::string geometry = m.geometry;
  const std::string coordinates = std::string("<coordinates>") + m.coordinates + "</coordinates>\n";
  const std::string body = geometry == "Polygon"
                               ? "<outerBoundaryIs>\n<LinearRing>\n" + coordinates + "</LinearRing>\n</outerBoundaryIs>\n"
                               : coordinates;
  return std::string("<Placemark>\n<name>") + m.name + "</name>\n<styleUrl>#" + m.style + "</styleUrl>\n<" +
         geometry + ">\n" + body + "</" + geometry + ">\n</Placemark>\n";
}

std::string SampleKml() {
  std::string kml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n"
      "<name>Plymouth Approaches (invented sample)</name>\n";
  kml += kStyles;
  for (const Mark& m : kMarks) kml += Placemark(m);
  return kml + "</Document>\n</kml>\n";
}

void WriteKmz(const stdfs::path& out) {
  tools::ZipWriter zip(out);
  tools::ZipEntry entry;
  entry.dosDateTime = kIssued;
  entry.name = "doc.kml";
  zip.Add(entry, SampleKml());
  zip.Close();
}

// Three survey lines across the approaches, in degrees on WGS 84.
const tools::ShapefileEntity kSurveyLines[] = {
    {{}, {-4.2400, -4.0800}, {50.2800, 50.2800}},
    {{}, {-4.2400, -4.0800}, {50.2950, 50.2950}},
    {{}, {-4.2400, -4.1200, -4.0800}, {50.3100, 50.3100, 50.3000}},
};

constexpr char kWgs84[] =
    R"(GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984",SPHEROID["WGS_1984",6378137.0,298.257223563]],)"
    R"(PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]])";

void WriteShapefile(const stdfs::path& shp) {
  const stdfs::path base = stdfs::path(shp).replace_extension();
  tools::WriteShapefile(base, SHPT_ARC, {std::begin(kSurveyLines), std::end(kSurveyLines)});
  tools::WriteAttributeTable(base, {"NAME", "SURVEYED"},
                             {{"Line A", "2025-06"}, {"Line B", "2025-06"}, {"Line C", "2025-07"}});
  std::ofstream prj(stdfs::path(base).replace_extension(".prj"), std::ios::binary);
  if (!(prj << kWgs84)) throw std::runtime_error("cannot write " + base.string() + ".prj");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_sample_overlays OUTPUT.KMZ OUTPUT.SHP\n";
    return 2;
  }
  try {
    for (int i = 1; i < argc; ++i) stdfs::create_directories(stdfs::path(argv[i]).parent_path());
    WriteKmz(argv[1]);
    WriteShapefile(argv[2]);
  } catch (const std::exception& e) {
    std::cerr << "make_sample_overlays: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
