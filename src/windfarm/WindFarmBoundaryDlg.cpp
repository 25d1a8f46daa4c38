#include "windfarm/WindFarmBoundaryDlg.h"

#include <algorithm>
#include <string>

#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "windfarm/WindFarmNames.h"
#include "windfarm/WindFarmPositionText.h"
#include "windfarm/WindFarmResources.h"

namespace {

constexpr const char* kPositionHeadings[] = {"Index", "Latitude", "Longitude"};
constexpr const char* kGridHeadings[] = {"Easting", "Northing"};
constexpr char kFarmCaption[] = "Wind Farm : %s";

}  // namespace

CWindFarmBoundaryDlg::CWindFarmBoundaryDlg(CWindFarmBoundaryList& boundaries, CDatum* datum, bool chooseFarm,
                                           CWnd* parent)
    : CColourDialogEx(IDD_WIND_FARM_BOUNDARY, parent),
      boundaries_(boundaries),
      grid_(ShowsGridColumns(datum) ? datum : nullptr),
      chooseFarm_(chooseFarm) {}

BOOL CWindFarmBoundaryDlg::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  description_.SubclassDlgItem(IDC_BOUNDARY_DESCRIPTION, this);
  list_.SubclassDlgItem(IDC_WIND_FARM_LIST, this);
  farmChoice_.SubclassDlgItem(IDC_BOUNDARY_FARM_CHOICE, this);
  ok_.SubclassDlgItem(IDOK, this);
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  AddColumns();
  if (chooseFarm_)
    OfferFarms();
  else
    farmChoice_.ShowWindow(SW_HIDE);
  FillTable();
  return TRUE;
}

void CWindFarmBoundaryDlg::AddColumns() {
  for (const char* heading : kPositionHeadings) list_.AddColumn(heading, LVCFMT_LEFT);
  if (grid_)
    for (const char* heading : kGridHeadings) list_.AddColumn(heading, LVCFMT_CENTER);
}

// The entry is found by name, so a chosen index without a farm, or a name
// the choice does not hold, shows the first entry.
void CWindFarmBoundaryDlg::OfferFarms() {
  AddFarmNames(farmChoice_, boundaries_.farms);
  int entry = 0;
  if (IsChosenFarm(boundaries_.farms, boundaries_.index)) {
    const std::string& name = boundaries_.farms[static_cast<std::size_t>(boundaries_.index)].name;
    entry = std::max(0, FindFarmNamedIgnoringCase(boundaries_.farms, name));
  }
  farmChoice_.SetCurSel(entry);
}

void CWindFarmBoundaryDlg::FillTable() {
  list_.DeleteAllItems();
  if (IsChosenFarm(boundaries_.farms, boundaries_.index)) {
    const WindFarmBoundaryDef& farm = boundaries_.farms[static_cast<std::size_t>(boundaries_.index)];
    SetWindowText(FormatText(kFarmCaption, farm.name.c_str()));
    description_.SetWindowText(farm.description);
    for (std::size_t corner = 0; corner < farm.outline.GetSize(); ++corner) {
      const int row = list_.InsertItem(static_cast<int>(corner), FormatText("%d", static_cast<int>(corner + 1)));
      int column = 1;
      for (const std::string& cell : PositionCells(farm.outline[corner], grid_)) list_.SetItemText(row, column++, cell);
    }
  } else {
    description_.SetWindowText("");
  }
  list_.AutoSizeColumns(false);
}

void CWindFarmBoundaryDlg::OnFarmChosen() {
  const int entry = farmChoice_.GetCurSel();
  if (entry < 0) return;
  ChooseFarmNamed(boundaries_, farmChoice_.GetLBText(entry));
  FillTable();
}

const MessageMap& CWindFarmBoundaryDlg::GetMessageMap() const {
  using H = Handlers<CWindFarmBoundaryDlg>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(), {H::Control(CBN_SELCHANGE, IDC_BOUNDARY_FARM_CHOICE,
                                                                             &CWindFarmBoundaryDlg::OnFarmChosen)});
  return map;
}

void WindFarmBoundaryCoordinates(CWindFarmBoundaryList* boundaries, CDatum* datum, bool chooseFarm) {
  if (!boundaries) return;
  CWindFarmBoundaryDlg dialog(*boundaries, datum, chooseFarm);
  dialog.DoModal();
}
