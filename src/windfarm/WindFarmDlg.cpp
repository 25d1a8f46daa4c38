#include "windfarm/WindFarmDlg.h"

#include "frame/Exports.h"
#include "platform/ui/MainWindow.h"
#include "windfarm/WindFarmResources.h"

namespace {

int CheckOf(bool ticked) { return ticked ? BST_CHECKED : BST_UNCHECKED; }

std::uint8_t Ticked(const CButton& box) { return box.GetCheck() == BST_CHECKED ? 1 : 0; }

}  // namespace

CWindFarmDlg::CWindFarmDlg(CTurbineList& turbines, CWindFarmBoundaryList& boundaries, CWnd* parent)
    : CColourDialogEx(IDD_WIND_FARM_SETTINGS, parent), turbines_(turbines), boundaries_(boundaries) {}

BOOL CWindFarmDlg::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  displayBoundary_.SubclassDlgItem(IDC_DISPLAY_BOUNDARY, this);
  labelWindFarm_.SubclassDlgItem(IDC_LABEL_WIND_FARM, this);
  boundaryColour_.SubclassDlgItem(IDC_BOUNDARY_COLOUR, this);
  displayTurbines_.SubclassDlgItem(IDC_DISPLAY_TURBINES, this);
  labelTurbines_.SubclassDlgItem(IDC_LABEL_TURBINES, this);
  turbineColour_.SubclassDlgItem(IDC_TURBINE_COLOUR, this);
  ok_.SubclassDlgItem(IDOK, this);
  cancel_.SubclassDlgItem(IDCANCEL, this);

  // The boundary layer has always been drawn for any non-zero byte; the
  // other boxes tick only for exactly 1.
  displayBoundary_.SetCheck(CheckOf(boundaries_.display != 0));
  labelWindFarm_.SetCheck(CheckOf(boundaries_.label == 1));
  displayTurbines_.SetCheck(CheckOf(turbines_.display == 1));
  labelTurbines_.SetCheck(CheckOf(turbines_.label == 1));
  boundaryColour_.Fill();
  boundaryColour_.SetColour(boundaries_.colour);
  turbineColour_.Fill();
  turbineColour_.SetColour(turbines_.colour);
  return TRUE;
}

void CWindFarmDlg::OnOK() {
  boundaries_.display = Ticked(displayBoundary_);
  boundaries_.label = Ticked(labelWindFarm_);
  boundaries_.colour = static_cast<std::uint32_t>(boundaryColour_.GetColour());
  turbines_.display = Ticked(displayTurbines_);
  turbines_.label = Ticked(labelTurbines_);
  turbines_.colour = static_cast<std::uint32_t>(turbineColour_.GetColour());
  turbines_.SaveSettings();
  boundaries_.SaveSettings();
  CColourDialogEx::OnOK();
}

bool WindFarmSettings(CTurbineList* turbines, CWindFarmBoundaryList* boundaries) {
  if (!turbines || !boundaries) return false;
  // Over the host's main window, when it has named one.
  CWindFarmDlg dialog(*turbines, *boundaries, CWnd::FromHandle(platform::ui::MainWindow()));
  return dialog.DoModal() == IDOK;
}
