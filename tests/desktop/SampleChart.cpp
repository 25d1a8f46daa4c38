#include "SampleChart.h"

#include <QGuiApplication>

#include <cstdlib>

#include "SampleWrecks.h"
#include "SeaAreaOutlines.h"
#include "WindFarmGeoJson.h"
#include "kml/Unzipper.h"
#include "wrecks/WreckSearch.h"
#include "wrecks/WreckSearchIndex.h"

namespace desktop_test {
namespace {

namespace stdfs = std::filesystem;

constexpr char kSamples[] = "C:\\Samples\\";
constexpr std::size_t kSampleWrecks = 600;
constexpr std::uint64_t kWreckSeed = 2026;

void CopyIn(testing_support::TestMachine& machine, const stdfs::path& host) {
  const auto bytes = testing_support::ReadHostFile(host);
  if (bytes) machine.Write(kSamples + host.filename().string(), *bytes);
}

void FillWrecks(chart::HostLists& lists) {
  tools::SampleWreckGenerator generator(kWreckSeed);
  for (std::size_t i = 0; i < kSampleWrecks; ++i) lists.wrecks.Add(new WreckDef(generator.Next()));
  // A search of 10 NM around the first record, as the search dialog runs
  // it, with the circle, both kinds and labels shown.
  CWreckList& search = lists.searchList;
  search.searchMethod = kSearchLocation;
  search.centreLatitude = lists.wrecks.GetAt(0)->data.latitude;
  search.centreLongitude = lists.wrecks.GetAt(0)->data.longitude;
  search.searchRadius = 10;
  search.showSearchRadius = search.showWrecks = search.showObstructions = search.label = true;
  const CWreckSearchIndex index(lists.wrecks);
  std::vector<std::size_t> found;
  CWreckSearch(lists.wrecks, index, search).FindWithinRadius(0, lists.wrecks.GetSize(), found);
  for (std::size_t i : found) search.Add(lists.wrecks.GetAt(i));
}

void FillWindFarms(testing_support::TestMachine& machine, chart::HostLists& lists) {
  CopyIn(machine, OVERLAYS_SAMPLE_WINDFARMS);
  const std::string package = kSamples + stdfs::path(OVERLAYS_SAMPLE_WINDFARMS).filename().string();
  const std::string folder = std::string(kSamples) + "WindFarms\\";
  CUnzipper unzipper(package.c_str());
  for (bool more = unzipper.GotoFirstFile("geojson"); more; more = unzipper.GotoNextFile("geojson"))
    unzipper.UnzipFile(folder.c_str(), true);
  windfarm_data::ReadTurbines(machine.Read(folder + windfarm_data::kTurbinesFile).value_or(""), lists.turbines);
  windfarm_data::ReadBoundaries(machine.Read(folder + windfarm_data::kBoundariesFile).value_or(""), lists.boundaries);
  lists.turbines.colour = 0x0000C0;    // dark red
  lists.boundaries.colour = 0x008000;  // green
}

void FillOverlayFiles(testing_support::TestMachine& machine, chart::HostLists& lists) {
  CopyIn(machine, OVERLAYS_SAMPLE_KMZ);
  lists.kml.Add(kSamples + stdfs::path(OVERLAYS_SAMPLE_KMZ).filename().string());
  for (const char* extension : {".shp", ".shx", ".dbf", ".prj"})
    CopyIn(machine, stdfs::path(OVERLAYS_SAMPLE_SHAPEFILE).replace_extension(extension));
  auto shape = std::make_unique<CShape>();
  shape->path = kSamples + stdfs::path(OVERLAYS_SAMPLE_SHAPEFILE).filename().string();
  if (!shape->Load()) return;
  shape->display.colour = 0xC08000;  // a blue no other layer uses
  shape->display.style = 4;          // large
  lists.shapes.Append(std::move(shape));
}

void FillSeaAreas(chart::HostLists& lists) {
  host::FillSeaAreas(lists.seaAreas);
  for (std::size_t i = 0; i < lists.seaAreas.areas.size(); ++i)
    if (lists.seaAreas.areas[i].name == "Plymouth") lists.seaAreas.activeArea = static_cast<std::int16_t>(i);
  lists.seaAreas.activeColour = 0x00A5FF;  // orange
}

}  // namespace

void EnsureGuiApplication() {
  if (QGuiApplication::instance()) return;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "test_desktop";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

std::filesystem::path ScreenshotFolder() {
  const char* folder = std::getenv("OVERLAYS_SCREENSHOTS");
  return folder && *folder ? stdfs::path(folder) : stdfs::path(OVERLAYS_BINARY_DIR);
}

SampleChart::SampleChart() : lists_(std::make_unique<chart::HostLists>()) {
  EnsureGuiApplication();
  chart::HostLists& lists = *lists_;
  FillWrecks(lists);
  FillWindFarms(machine_, lists);
  FillOverlayFiles(machine_, lists);
  FillSeaAreas(lists);
  chart::AddHostLayers(chart, lists, OVERLAYS_WORLD_COASTLINE);
}

}  // namespace desktop_test
