#include "wrecks/WreckSettings.h"

#include "frame/ConfigFile.h"
#include "wrecks/WreckList.h"

namespace {

constexpr int kAngleDecimals = 3;

void SetDefaults(CWreckList& list) {
  list.searchMethod = kSearchNone;
  list.centreLatitude = kDefaultSearchLatitude;
  list.centreLongitude = kDefaultSearchLongitude;
  list.searchRadius = kDefaultSearchRadius;
  list.searchName.clear();
  list.showWrecks = true;
  list.showObstructions = true;
  list.label = false;
  list.showSearchRadius = false;
}

}  // namespace

void LoadSearchSettings(CWreckList* searchList) {
  CConfigFile file;
  if (!file.OpenRead(kWreckSettingsGroup)) {
    SetDefaults(*searchList);
    return;
  }
  searchList->searchMethod = file.ReadShort(kSearchNone);
  searchList->centreLatitude = file.ReadDouble(kDefaultSearchLatitude);
  searchList->centreLongitude = file.ReadDouble(kDefaultSearchLongitude);
  searchList->searchRadius = file.ReadDouble(kDefaultSearchRadius);
  searchList->searchName = file.ReadText();
  searchList->showWrecks = file.ReadBool(true);
  searchList->showObstructions = file.ReadBool(true);
  searchList->label = file.ReadBool(false);
  searchList->showSearchRadius = file.ReadBool(false);
}

void SaveSearchSettings(CWreckList* searchList) {
  CConfigFile file;
  if (!file.OpenWrite(kWreckSettingsGroup)) return;
  file.WriteInt("Search Method", searchList->searchMethod);
  file.WriteDouble("Latitude", searchList->centreLatitude, kAngleDecimals);
  file.WriteDouble("Longitude", searchList->centreLongitude, kAngleDecimals);
  file.WriteDouble("Search Radius", searchList->searchRadius, kAngleDecimals);
  file.WriteSearchName(searchList->searchName);
  file.WriteBool("Show Wrecks", searchList->showWrecks);
  file.WriteBool("Show Obstructions", searchList->showObstructions);
  file.WriteBool("Label", searchList->label);
  file.WriteBool("Show Search Radius", searchList->showSearchRadius);
  file.Close();
}
