// overlays kml load FILE.kmz [--format text|geojson]: load a KMZ overlay
// into the host's KML file list, as the file selector does, and print what
// was read: counts, styles and records as text, or a GeoJSON
// FeatureCollection that any GIS opens. What the module passes over in
// silence (why nothing loaded, placemarks in layouts its reader does not
// read) is said on standard error.
//
// overlays kml normalise IN OUT: rewrites a KMZ of any producer into the
// layout the module reads in full.
//
// overlays kml select (--add FILE | --remove N | --list): the host's KML
// list, brought back from its remembered names, in the module's file
// selector: the archive is chosen in its open dialog, or the row selected
// and deleted, and the list printed as the selector shows it.

#include <cctype>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

#include "GeoJson.h"
#include "Host.h"
#include "Normaliser.h"
#include "WindowsPath.h"
#include "frame/ConfigFile.h"
#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "frame/PathText.h"
#include "geodesy/angle/AngleUnits.h"
#include "kml/KMLFileList.h"
#include "kml/KMLResources.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Automation.h"
#include "platform/ui/FileDialog.h"

namespace host {
namespace {

namespace stdfs = std::filesystem;

constexpr char kNormaliseHint[] = "`overlays kml normalise` rewrites the file so they are";

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

// Name and style URL, and the style's look under the simplestyle names
// that GIS viewers draw with.
geojson::Json Properties(const CKML& kml, const std::string& name, const std::string& url) {
  geojson::Json properties{{"name", Out(name)}, {"styleUrl", Out(url)}};
  if (const KMLStyleDef* style = StyleOf(kml, url)) {
    properties["stroke"] = Colour(style->lineColour);
    properties["stroke-width"] = style->width;
    properties["fill"] = Colour(style->polygonColour);
  }
  return properties;
}

// Lines of fewer than two points and rings of fewer than three have no
// GeoJSON form: they are left out and counted.
void PrintGeoJson(const CKML& kml) {
  std::vector<geojson::Json> features;
  std::size_t leftOut = 0;
  const auto add = [&](geojson::Json geometry, geojson::Json properties) {
    geojson::Json feature = geojson::Feature(std::move(geometry), std::move(properties));
    if (feature.is_null())
      ++leftOut;
    else
      features.push_back(std::move(feature));
  };
  for (const auto& p : kml.Points()) add(geojson::Point({p->x, p->y}), Properties(kml, p->name, p->styleUrl));
  for (const auto& l : kml.Lines()) add(geojson::LineString(l->points), Properties(kml, l->name, l->styleUrl));
  for (const auto& r : kml.Polygons()) add(geojson::Polygon(r->points), Properties(kml, r->name, r->styleUrl));
  geojson::PrintCollection(std::cout, features);
  if (leftOut)
    std::cerr << "warning: " << leftOut
              << " lines or polygons with too few points to draw were left out of the GeoJSON\n";
}

// Placemarks with a geometry in every KML file of the archive, in any
// layout, as the normaliser reads them; none when it cannot read them.
std::optional<std::size_t> PlacemarksInArchive(const std::string& windowsPath) {
  const auto hostPath = platform::fs::ToHost(windowsPath);
  if (!hostPath) return std::nullopt;
  try {
    return normalise::ReadKmlDocument(*hostPath).placemarks.size();
  } catch (const normalise::NormaliseError&) {
    return std::nullopt;
  }
}

// The count of placemarks the archive holds when the reader found none of
// them, with the way out.
std::string UnreadPlacemarks(const std::string& path) {
  const auto placemarks = PlacemarksInArchive(path);
  return placemarks && *placemarks > 0 ? FormatText("; it holds %zu placemarks: %s", *placemarks, kNormaliseHint) : "";
}

// In UTF-8, for the terminal.
std::string WhyNothingLoaded(const KMLLoadOutcome& outcome, const std::string& path) {
  switch (outcome.problem) {
    case KMLLoadProblem::Archive: return Out(DescribeRefusal(outcome.archive));
    case KMLLoadProblem::NoTemporaryFolder:
      return "cannot create the temporary folder " + HostPathText(FolderOfPath(path) + "Temp\\");
    case KMLLoadProblem::NoKMLFile:
      return "no KML file at the top of the archive that the reader accepts" + UnreadPlacemarks(path);
    case KMLLoadProblem::NothingRead:
      return "no point, line or polygon in the layout the reader reads" + UnreadPlacemarks(path);
    case KMLLoadProblem::None: break;
  }
  return "nothing the reader could load";
}

// What the reader passed over in an archive it did load.
void WarnOfWhatWasPassedOver(const KMLLoadOutcome& outcome, const std::string& path) {
  if (outcome.archive.problem != UnzipProblem::None)
    std::cerr << "warning: " << Out(DescribeRefusal(outcome.archive)) << "\n";
  const auto placemarks = PlacemarksInArchive(path);
  if (placemarks && *placemarks > outcome.placemarksRead)
    std::cerr << "warning: " << *placemarks - outcome.placemarksRead << " of " << *placemarks
              << " placemarks were not read; " << kNormaliseHint << "\n";
}

void Load(const std::string& argument, const std::string& format) {
  const std::string path = ModuleFilePath(argument);
  CKMLFileList list;
  if (!list.Add(path))
    throw CommandError("nothing loaded from " + argument + ": " + WhyNothingLoaded(list.LastOutcome(), path));
  WarnOfWhatWasPassedOver(list.LastOutcome(), path);
  if (format == "geojson")
    PrintGeoJson(list.GetAt(0));
  else
    PrintText(list.GetAt(0));
}

// A host path, or a Windows path through the drive table.
stdfs::path HostPathOf(const std::string& argument) {
  if (!IsWindowsPath(argument)) return argument;
  const auto host = platform::fs::ToHost(In(argument));
  if (!host) throw CommandError("no drive is mapped for " + argument);
  return *host;
}

void Normalise(const std::string& in, const std::string& out) {
  normalise::NormaliseSummary s;
  try {
    s = normalise::NormaliseKmz(HostPathOf(in), HostPathOf(out));
  } catch (const normalise::NormaliseError& e) {
    throw CommandError(e.what());
  }
  std::cout << "wrote " << out << ": " << s.placemarks << " placemarks (" << s.points << " points, " << s.lines
            << " lines, " << s.rings << " rings), " << s.styles << " styles, from " << s.kmlFiles
            << (s.kmlFiles == 1 ? " KML file\n" : " KML files\n");
  if (s.tuplesPassedOver)
    std::cerr << "warning: " << s.tuplesPassedOver
              << " coordinate tuples were not two or three numbers in range and were left out\n";
}

struct SelectRequest {
  std::optional<std::string> add;
  std::optional<std::size_t> remove;  // a row, counted from 1
  bool list = false;
};

// Works the selector as a user would and gives back its rows at the end.
std::vector<std::string> WorkSelector(CKMLFileList& list, const SelectRequest& request, const std::string& addPath) {
  std::vector<std::string> rows;
  platform::ui::ScopedAutomation automation([&](platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started) return;
    if (d.TemplateId() == platform::ui::kOpenFileDialog) return d.SaveAs(addPath);
    if (d.TemplateId() != IDD_KML_FILE_SELECTOR) return;
    if (request.add) d.Click(IDC_KML_SELECT_FILE);
    if (request.remove) {
      d.ChooseIndex(IDC_KML_FILE_LIST, static_cast<int>(*request.remove - 1));
      d.Click(IDC_KML_DELETE_FILE);
    }
    rows = d.Rows(IDC_KML_FILE_LIST);
    d.Click(IDOK);
  });
  if (!KMLLoad(&list)) throw CommandError("the KML file selector did not end with OK");
  return rows;
}

void Select(const SelectRequest& request) {
  CKMLFileList list;
  RestoreKmlFiles(list, [](const std::string& path, const KMLLoadOutcome& outcome) {
    std::cerr << "warning: the remembered " << Out(path) << " no longer loads (" << WhyNothingLoaded(outcome, path)
              << "); it is left out\n";
  });
  if (request.remove && (*request.remove < 1 || *request.remove > list.GetCount()))
    throw CommandError(FormatText("there is no file %zu: the selector lists %zu", *request.remove, list.GetCount()));
  const std::string addPath = request.add ? ModuleFilePath(*request.add) : std::string();
  if (request.add && list.Find(addPath) >= 0)
    throw CommandError(*request.add + " is in the list already; nothing was added");
  const std::size_t before = list.GetCount();
  const std::vector<std::string> rows = WorkSelector(list, request, addPath);
  if (request.add && list.GetCount() == before)
    throw CommandError("nothing loaded from " + *request.add + ": " + WhyNothingLoaded(list.LastOutcome(), addPath) +
                       "; nothing was added");
  if (request.add) WarnOfWhatWasPassedOver(list.LastOutcome(), addPath);
  std::cout << "File Name\tPoints\tLines\tPolygons\n";
  for (const std::string& row : rows) std::cout << Out(row) << "\n";
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

  auto* select = kml->add_subcommand(
      "select", "Add an archive to the host's KML list, or remove one, through the module's KML file selector, "
                "and print the list as the selector shows it (name, points, lines, polygons)");
  static SelectRequest request;
  auto* add = select->add_option("--add", request.add, "The KMZ archive to add (a host path or a Windows path)");
  auto* remove = select->add_option("--remove", request.remove, "The row to remove, counted from 1");
  auto* list = select->add_flag("--list", request.list, "Only show the list");
  add->excludes(remove)->excludes(list);
  remove->excludes(list);
  select->callback([] {
    if (!request.add && !request.remove && !request.list) throw CommandError("give --add FILE, --remove N or --list");
    Select(request);
  });

  auto* normalise = kml->add_subcommand(
      "normalise", "Rewrite a KMZ (or KML) of any producer into the layout the overlay reads in full");
  static std::string in;
  static std::string out;
  normalise->add_option("IN", in, "The KMZ archive or KML file to read")->required();
  normalise->add_option("OUT", out, "The KMZ archive to write")->required();
  normalise->callback([] { Normalise(in, out); });
}

}  // namespace host
