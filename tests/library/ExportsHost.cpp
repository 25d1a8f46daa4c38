// A charting host in miniature, built against the installed or the in-tree
// library as an outside program is: only <overlays/...> headers and the
// library's exported symbols. It calls every exported function and builds
// every exported class on a sandbox machine whose C: drive is
// SANDBOX/C, prepared by the script that runs it (tests/library/HostCheck.cmake):
// the sample wreck package in the download folder and its database unpacked
// into the wrecks data folder. Exit status 0 when every check holds.
//   exports_host SANDBOX

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <overlays/frame/Exports.h>
#include <overlays/kml/KMLFileList.h>
#include <overlays/seaareas/SeaAreas.h>
#include <overlays/windfarm/TurbineList.h>
#include <overlays/windfarm/WindFarmBoundaryList.h>
#include <overlays/windfarm/WindFarmSplash.h>
#include <overlays/shape/ShapeFileList.h>
#include <overlays/platform/fs/Platform.h>
#include <overlays/platform/ui/Automation.h>
#include <overlays/wrecks/CountryTable.h>
#include <overlays/wrecks/LoadingWrecks.h>
#include <overlays/wrecks/WreckList.h>
#include <overlays/wrecks/WreckResources.h>
#include <overlays/wrecks/WreckSplashDlg.h>
#include <overlays/wrecks/WrecksImageList.h>

namespace {

int failures = 0;

void Check(bool holds, const std::string& what) {
  if (!holds) {
    std::fprintf(stderr, "exports_host: %s\n", what.c_str());
    ++failures;
  }
}

int PackagesIn(const std::filesystem::path& folder) {
  int count = 0;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.path().extension() == ".WKZ") ++count;
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: exports_host SANDBOX\n");
    return 2;
  }
  const std::filesystem::path sandbox = argv[1];
  platform::fs::Install(std::make_shared<const platform::fs::Platform>(
      platform::fs::SandboxMachine(sandbox, "ExportsHost")));

  // Nobody presses Accept in a headless host: the install dialog closes as
  // declined and the package stays to be offered again.
  const auto download = sandbox / "C" / "Navlore Download";
  const int offered = PackagesIn(download);
  Check(offered == 1, "the sandbox holds no package to offer");
  InstallWrecks();
  Check(PackagesIn(download) == offered, "a declined package was moved");

  CWreckList wrecks, searchList;
  LoadingWrecks(&wrecks, &searchList);
  Check(wrecks.GetSize() > 0, "LoadingWrecks read no records");
  Check(wrecks.GetSize() == static_cast<std::size_t>(wrecks.wreckCount + wrecks.obstructionCount),
        "wreck and obstruction counts do not add up");
  std::printf("loaded %zu records from %s\n", wrecks.GetSize(), wrecks.databaseTitle.c_str());

  // The host runs an exported dialog itself: the loading dialog fills a
  // list of its own and ends with OK.
  CWreckList again, againSearch;
  CLoadingWrecks loading(nullptr);
  loading.SetData(&again, &againSearch);
  Check(loading.DoModal() == IDOK, "the host's own loading dialog did not end with OK");
  Check(again.GetSize() == wrecks.GetSize(), "the host's own loading dialog read another count");
  for (std::size_t i = 0; i < again.GetSize(); ++i) delete again.GetAt(i);

  // The wreck search: a name search through the hook, closed with OK.
  {
    std::size_t rows = 0;
    platform::ui::ScopedAutomation find([&rows](platform::ui::Driver& d) {
      if (d.Turn() != platform::ui::ModalTurn::Started || d.TemplateId() != IDD_WRECK_FIND) return;
      d.Type(IDC_SEARCH_NAME, "star");
      d.Click(IDC_FIND_NAME);
      rows = d.Rows(IDC_RESULTS).size();
      d.Click(IDOK);
    });
    tagXY unused;
    Check(WreckFinder(&wrecks, &searchList, nullptr, unused), "the wreck search did not end with OK");
    Check(rows > 0 && rows == searchList.GetSize(), "the wreck search by name showed no rows or another count");
  }

  // A host with a user answers the install dialog; here the automation
  // hook presses Accept, and the package is filed away.
  {
    platform::ui::ScopedAutomation accept([](platform::ui::Driver& d) {
      if (d.Turn() == platform::ui::ModalTurn::Started && d.TemplateId() == IDD_WRECK_SPLASH) d.Click(IDC_ACCEPT);
    });
    InstallWrecks();
  }
  Check(PackagesIn(download) == 0, "an accepted package was not filed away");
  Check(PackagesIn(download / "Installed") == 1, "the accepted package is not in Installed");
  CWreckSplashDlg splash(nullptr);

  const CWrecksImageList images;
  Check(CWrecksImageList::GetCaution() == CWrecksImageList::kCautionImage, "caution image");
  for (std::size_t i = 0; i < wrecks.GetSize(); ++i) {
    const WreckDataDef& data = wrecks.GetAt(i)->data;
    const int status = CWrecksImageList::GetStatus(data);
    Check(status >= CWrecksImageList::kFirstStatusImage && status < CWrecksImageList::kCautionImage,
          "status image out of range");
    const int flag = CWrecksImageList::GetCountryCode(data);
    Check(flag >= 0 && flag < kFlagCount, "flag index out of range");
  }
  // Nobody closes the property sheet in a headless host: it closes itself.
  DisplayWreckProperties(wrecks.GetAt(0), nullptr);
  for (std::size_t i = 0; i < wrecks.GetSize(); ++i) delete wrecks.GetAt(i);

  // Nobody chooses a file in a headless host: the KML file selector closes
  // as cancelled with the list as it was.
  CKMLFileList kml;
  Check(!KMLLoad(&kml) && kml.GetCount() == 0, "the KML file selector did not close as cancelled");
  CSeaAreas seaAreas;
  seaAreas.areas.push_back({"Dogger", {}});
  Check(!SeaAreasSetup(nullptr, &seaAreas) && seaAreas.activeArea == kNoActiveArea,
        "the sea areas setup did not close as cancelled with the areas as they were");

  // The wind farm dialogs close as cancelled; a list without farms gets
  // its error box, which closes too. With no wind farm package and the
  // wreck package filed away, InstallOverlays offers nothing.
  CTurbineList turbines;
  CWindFarmBoundaryList boundaries;
  tagXY point{1, 2};
  Check(!FindWindFarm(&turbines, point) && !FindWindFarm(&boundaries, point) && point.x == 1,
        "finding a farm in empty lists did not fail with the point as it was");
  turbines.farms.resize(2);
  boundaries.farms.resize(2);
  Check(!FindWindFarm(&turbines, point) && !FindWindFarm(&boundaries, point), "the farm finder did not cancel");
  Check(!WindFarmSettings(&turbines, &boundaries), "the wind farm settings did not close as cancelled");
  Check(!TurbineProperties(&turbines, nullptr, true), "the turbines dialog did not close as cancelled");
  WindFarmBoundaryCoordinates(&boundaries, nullptr, true);
  InstallWindFarms();
  InstallOverlays();
  Check(PackagesIn(download / "Installed") == 1, "InstallOverlays installed a package nobody accepted");
  CWindFarmSplash windFarmSplash(nullptr);
  // No shapefile lies in the sandbox: every load ends as cancelled and the
  // list stays empty, and nobody chooses a file in the selector.
  CShapeFileList shapes;
  shapes.names.FindOrAdd("C:\\Charts\\missing.shp");
  LoadShapeFiles(&shapes);
  Check(!LoadShapeFile("C:\\Charts\\missing.shp", &shapes) && !AddShapeFile("C:\\Charts\\missing.shp", &shapes) &&
            !ShapeLoad(&shapes) && shapes.GetCount() == 0,
        "a shapefile that does not exist was loaded, or the shape file selector did not close as cancelled");
  return failures == 0 ? 0 : 1;
}
