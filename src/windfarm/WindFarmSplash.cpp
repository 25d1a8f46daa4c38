#include "windfarm/WindFarmSplash.h"

#include "frame/Exports.h"
#include "frame/Folders.h"
#include "frame/Packages.h"
#include "windfarm/WindFarmResources.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

CWindFarmSplash::CWindFarmSplash(CWnd* parent) : CColourDialogEx(IDD_WIND_FARM_SPLASH, parent) {}

CWindFarmSplash::~CWindFarmSplash() = default;

// Green to take the data, red to leave it; under the mouse each turns
// brighter, with black text that stays readable on it.
BOOL CWindFarmSplash::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  accept_.SubclassDlgItem(IDOK, this);
  decline_.SubclassDlgItem(IDCANCEL, this);
  accept_.SetNormalColours(0x008000, accept_.GetColours().normalSecond, kWhite);
  accept_.SetHoverColours(0x00FF00, kBlack);
  decline_.SetNormalColours(0x000080, decline_.GetColours().normalSecond, kWhite);
  decline_.SetHoverColours(0x0000FF, kBlack);
  accept_.Invalidate();
  decline_.Invalidate();
  return TRUE;
}

void InstallWindFarms() {
  std::string package;
  if (!FindPackageFile(kWindFarmPackageExtension, package)) return;
  CWindFarmSplash dialog(nullptr);
  // Declined or closed: the package stays and is offered again next time.
  if (dialog.DoModal() != IDOK) return;
  std::string folder;
  FindDataFolder(folder, kWindFarmsDataFolder);
  UnpackPackage(folder, package);
  MoveToInstalled(package);
}

void InstallOverlays() {
  InstallWrecks();
  InstallWindFarms();
}
