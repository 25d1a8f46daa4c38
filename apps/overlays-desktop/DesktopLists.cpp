#include "DesktopLists.h"

#include "HostMachine.h"
#include "LoadedWindFarms.h"
#include "RememberedLists.h"
#include "SeaAreaOutlines.h"
#include "frame/Exports.h"

namespace desktop {
void DesktopLists::Load() {
  LoadingWrecks(&lists.wrecks, &lists.searchList);
  if (lists.wrecks.GetSize() == 0) problems_.push_back("no wreck database is installed");
  host::RestoreKmlFiles(lists.kml, [&](const std::string& path, const KMLLoadOutcome&) {
    problems_.push_back("the remembered " + host::Out(path) + " no longer loads");
  });
  host::RestoreShapeFiles(lists.shapes, [&](const std::string& path) {
    problems_.push_back("the remembered " + host::Out(path) + " no longer loads");
  });
  LoadWindFarms();
  host::FillSeaAreas(lists.seaAreas);
  lists.seaAreas.LoadSettings();
}

void DesktopLists::LoadWindFarms() {
  try {
    host::LoadedWindFarms loaded;
    lists.turbines.farms = std::move(loaded.turbines.farms);
    lists.boundaries.farms = std::move(loaded.boundaries.farms);
    lists.turbines.LoadSettings();
    lists.boundaries.LoadSettings();
  } catch (const host::CommandError& e) {
    problems_.push_back(e.what());
  }
}

}  // namespace desktop
