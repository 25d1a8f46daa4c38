// overlays kml load FILE.kmz [--format text|geojson]: load a KMZ overlay
// into the host's KML file list, as the file selector does, and print what
// was read: counts, styles and records as text, or a GeoJSON
// FeatureCollection that any GIS opens.

#include <cctype>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>

#include "Host.h"
#include "frame/FormatText.h"
#include "kml/CoordinateText.h"
#include "kml/KMLFileList.h"
#include "platform/fs/Platform.h"
#include "platform/text/CodePage.h"

namespace host {
namespace {

namespace stdfs = std::filesystem;

constexpr double kDegreesPerRadian = 57.2957795131;

bool IsWindowsPath(const std::string& path) {
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
         (path[2] == '\\' || path[2] == '/');
}

// The letter of a drive nothing is mapped on, from Z down, or 0.
char SpareDriveLetter(const platform::fs::DriveTable& drives) {
  for (char letter = 'Z'; letter >= 'D'; --letter)
    if (drives.TypeOf(letter) == platform::fs::DriveType::Absent && !drives.HostPath(std::string(1, letter) + ":\\"))
      return letter;
  return 0;
}

// The module takes Windows paths only. A host path inside a mapped drive
// is named through the drive table; one outside every drive gets its own
// folder mounted on a spare letter as a fixed drive, the way a user would
// map a network folder. The archive's folder is where the load makes its
// temporary folder, so it must be writable like any folder beside a chart.
std::string ArchivePath(const std::string& argument) {
  if (IsWindowsPath(argument)) return In(argument);
  std::error_code ec;
  const stdfs::path host = stdfs::absolute(argument, ec);
  if (ec || !stdfs::is_regular_file(host, ec)) throw CommandError("no such file: " + argument);
  const auto current = platform::fs::Current();
  if (auto windows = current->drives.WindowsPathOf(host)) return *windows;
  auto platform = *current;
  const char letter = SpareDriveLetter(platform.drives);
  if (!letter) throw CommandError("no spare drive letter to show the folder of " + argument);
  platform.drives.MapDrive(letter, host.parent_path(), platform::fs::DriveType::Fixed);
  platform::fs::Install(std::make_shared<const platform::fs::Platform>(std::move(platform)));
  return std::string(1, letter) + ":\\" + In(host.filename().string());
}

std::string Degrees(double radians) { return FormatText("%.8f", radians * kDegreesPerRadian); }

std::string Colour(std::uint32_t rgb) { return FormatText("#%06X", rgb & 0xFFFFFFu); }

// The style a style URL names: "#id", the id compared ignoring case, since
// URLs are kept in lower case and ids as written.
const KMLStyleDef* StyleOf(const CKML& kml, const std::string& url) {
  if (url.empty() || url[0] != '#') return nullptr;
  for (const auto& style : kml.Styles())
    if (platform::text::EqualsIgnoringCase(style->id, std::string_view(url).substr(1))) return style.get();
  return nullptr;
}

void PrintText(const CKML& kml) {
  std::cout << Out(kml.GetPath()) << ": " << kml.Styles().size() << " styles, " << kml.Points().size()
            << " points, " << kml.Lines().size() << " lines, " << kml.Polygons().size() << " polygons\n";
  for (const auto& s : kml.Styles())
    std::cout << "style " << Out(s->id) << ": width " << s->width << ", line " << Colour(s->lineColour)
              << ", polygon " << Colour(s->polygonColour) << "\n";
  for (const auto& p : kml.Points())
    std::cout << "point \"" << Out(p->name) << "\" " << Out(p->styleUrl) << ": " << Degrees(p->x) << " "
              << Degrees(p->y) << "\n";
  const auto printPaths = [](const char* kind, const auto& paths) {
    for (const auto& path : paths) {
      std::cout << kind << " \"" << Out(path->name) << "\" " << Out(path->styleUrl) << ": "
                << path->points.GetSize() << " points\n";
      for (const auto& p : path->points) std::cout << "  " << Degrees(p.x) << " " << Degrees(p.y) << "\n";
    }
  };
  printPaths("line", kml.Lines());
  printPaths("polygon", kml.Polygons());
}

std::string JsonString(const std::string& ansi) {
  std::string out = "\"";
  for (const char c : Out(ansi)) {
    if (c == '"' || c == '\\')
      out += std::string("\\") + c;
    else if (static_cast<unsigned char>(c) < 0x20)
      out += FormatText("\\u%04x", static_cast<unsigned>(c));
    else
      out += c;
  }
  return out + "\"";
}

std::string JsonPosition(double x, double y) { return "[" + Degrees(x) + "," + Degrees(y) + "]"; }

std::string JsonPositions(const CXYArray& points) {
  std::string out = "[";
  for (std::size_t i = 0; i < points.GetSize(); ++i)
    out += (i ? "," : "") + JsonPosition(points[i].x, points[i].y);
  return out + "]";
}

// Name and style URL, and the style's look under the simplestyle names
// that GIS viewers draw with.
std::string JsonProperties(const CKML& kml, const std::string& name, const std::string& url) {
  std::string out = "{\"name\":" + JsonString(name) + ",\"styleUrl\":" + JsonString(url);
  if (const KMLStyleDef* style = StyleOf(kml, url))
    out += ",\"stroke\":\"" + Colour(style->lineColour) + "\",\"stroke-width\":" + std::to_string(style->width) +
           ",\"fill\":\"" + Colour(style->polygonColour) + "\"";
  return out + "}";
}

void PrintGeoJson(const CKML& kml) {
  std::vector<std::string> features;
  const auto feature = [&](const std::string& geometry, const std::string& properties) {
    features.push_back("{\"type\":\"Feature\",\"geometry\":" + geometry + ",\"properties\":" + properties + "}");
  };
  for (const auto& p : kml.Points())
    feature("{\"type\":\"Point\",\"coordinates\":" + JsonPosition(p->x, p->y) + "}",
            JsonProperties(kml, p->name, p->styleUrl));
  for (const auto& l : kml.Lines())
    feature("{\"type\":\"LineString\",\"coordinates\":" + JsonPositions(l->points) + "}",
            JsonProperties(kml, l->name, l->styleUrl));
  for (const auto& r : kml.Polygons())
    feature("{\"type\":\"Polygon\",\"coordinates\":[" + JsonPositions(r->points) + "]}",
            JsonProperties(kml, r->name, r->styleUrl));
  std::cout << "{\"type\":\"FeatureCollection\",\"features\":[";
  for (std::size_t i = 0; i < features.size(); ++i) std::cout << (i ? ",\n" : "\n") << features[i];
  std::cout << "\n]}\n";
}

void Load(const std::string& argument, const std::string& format) {
  const std::string path = ArchivePath(argument);
  CKMLFileList list;
  if (!list.Add(path))
    throw CommandError("nothing loaded from " + argument +
                       ": not a KMZ archive, no KML file in it, or no point, line or polygon");
  if (format == "geojson")
    PrintGeoJson(list.GetAt(0));
  else
    PrintText(list.GetAt(0));
}

}  // namespace

void AddKmlCommand(CLI::App& app, const Options&) {
  auto* kml = app.add_subcommand("kml", "KML overlays read from KMZ archives");
  kml->require_subcommand(1);
  auto* load = kml->add_subcommand("load", "Load a KMZ archive as the file selector does and print what it holds");
  static std::string file;
  static std::string format = "text";
  load->add_option("FILE", file, "The KMZ archive: a host path, or a Windows path such as C:\\Charts\\a.kmz")
      ->required();
  load->add_option("--format", format, "text (counts and records) or geojson (a FeatureCollection)")
      ->check(CLI::IsMember({"text", "geojson"}));
  load->callback([] { Load(file, format); });
}

}  // namespace host
