#include "windfarm/WindFarmTurbinesDlg.h"

#include <string>
#include <vector>

#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "geodesy/text/NumberText.h"
#include "windfarm/WindFarmNames.h"
#include "windfarm/WindFarmPositionText.h"
#include "windfarm/WindFarmResources.h"

namespace {

// Headings keep their line feeds: the header draws them as lines.
constexpr const char* kPositionHeadings[] = {"\nFeature", "\nStatus", "\nLatitude", "\nLongitude"};
constexpr const char* kGridHeadings[] = {"\nEasting", "\nNorthing"};
constexpr const char* kDetailHeadings[] = {
    "Blade\nRadius",
    "Nacelle Height\n(Cover Housing)\nMHWS",
    "Clear Height\nabove sea level\nMHWS",
    "Max Height\ninc blade\nMHWS",
    "Air\nObstruction\nLights",
    "Navigation\nLights",
    "Fog\nSignal",
};

// By status 1 to 4; any other value has none.
constexpr const char* kStatusTexts[] = {"Live", "Planned", "Under Construction", "Decommissioned"};

std::string StatusText(std::uint16_t status) {
  return status >= 1 && status <= std::size(kStatusTexts) ? kStatusTexts[status - 1] : "";
}

// Empty for a height the data does not know.
std::string HeightText(float height) {
  if (height == 0 || height == kHeightNotKnown) return {};
  return TrimTrailingZeros(FormatText("%.2f", static_cast<double>(height)));
}

std::vector<std::string> DetailCells(const TurbineDef& t) {
  return {HeightText(t.bladeRadius),
          HeightText(t.nacelleHeight),
          HeightText(t.clearHeight),
          HeightText(t.maximumHeight),
          t.airObstructionLights,
          t.navigationLights,
          t.fogSignal};
}

constexpr char kFarmCaption[] = "%s Wind Farm (%s)";

}  // namespace

CWindFarmTurbinesDlg::CWindFarmTurbinesDlg(CTurbineList& turbines, CDatum* datum, bool chooseFarm, CWnd* parent)
    : CColourDialogEx(IDD_WIND_FARM_TURBINES, parent),
      turbines_(turbines),
      grid_(ShowsGridColumns(datum) ? datum : nullptr),
      chooseFarm_(chooseFarm) {}

BOOL CWindFarmTurbinesDlg::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  list_.SubclassDlgItem(IDC_WIND_FARM_LIST, this);
  remarks_.SubclassDlgItem(IDC_TURBINE_REMARKS, this);
  farmChoice_.SubclassDlgItem(IDC_TURBINE_FARM_CHOICE, this);
  ok_.SubclassDlgItem(IDOK, this);
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  list_.SetImageList(&images_, LVSIL_SMALL);
  AddColumns();
  if (chooseFarm_) {
    AddFarmNames(farmChoice_, turbines_.farms);
    farmChoice_.SetCurSel(turbines_.index);
  } else {
    farmChoice_.ShowWindow(SW_HIDE);
  }
  FillTable();
  return TRUE;
}

void CWindFarmTurbinesDlg::AddColumns() {
  for (const char* heading : kPositionHeadings) list_.AddColumn(heading, LVCFMT_CENTER);
  if (grid_)
    for (const char* heading : kGridHeadings) list_.AddColumn(heading, LVCFMT_CENTER);
  for (const char* heading : kDetailHeadings) list_.AddColumn(heading, LVCFMT_CENTER);
}

void CWindFarmTurbinesDlg::FillTable() {
  list_.DeleteAllItems();
  if (IsChosenFarm(turbines_.farms, turbines_.index)) {
    const std::vector<TurbineDef>& turbines = turbines_.farms[static_cast<std::size_t>(turbines_.index)].turbines;
    for (const TurbineDef& turbine : turbines) {
      if (&turbine == &turbines.front()) {
        SetWindowText(FormatText(kFarmCaption, turbine.farmName.c_str(), turbine.farmQualifier.c_str()));
        remarks_.SetWindowText(turbine.remarks);
      }
      AddTurbineRow(turbine);
    }
  }
  list_.AutoSizeColumns(false);
}

void CWindFarmTurbinesDlg::AddTurbineRow(const TurbineDef& turbine) {
  std::vector<std::string> cells = {turbine.feature, StatusText(turbine.status)};
  for (std::string& cell : PositionCells(turbine.position, grid_)) cells.push_back(std::move(cell));
  for (std::string& cell : DetailCells(turbine)) cells.push_back(std::move(cell));
  const int row = list_.InsertItem(list_.GetItemCount(), cells.front(), turbine.image);
  for (std::size_t column = 1; column < cells.size(); ++column)
    list_.SetItemText(row, static_cast<int>(column), cells[column]);
}

void CWindFarmTurbinesDlg::ShowRemarks(int row) {
  if (row < 0 || !IsChosenFarm(turbines_.farms, turbines_.index)) return;
  const auto& turbines = turbines_.farms[static_cast<std::size_t>(turbines_.index)].turbines;
  if (static_cast<std::size_t>(row) < turbines.size()) remarks_.SetWindowText(turbines[row].remarks);
}

void CWindFarmTurbinesDlg::OnListClick(NMHDR* header, LRESULT*) {
  ShowRemarks(reinterpret_cast<NMLISTVIEW*>(header)->iItem);
}

void CWindFarmTurbinesDlg::OnFarmChosen() {
  const int entry = farmChoice_.GetCurSel();
  if (entry < 0) return;
  ChooseFarmNamed(turbines_, farmChoice_.GetLBText(entry));
  FillTable();
}

const MessageMap& CWindFarmTurbinesDlg::GetMessageMap() const {
  using H = Handlers<CWindFarmTurbinesDlg>;
  static const MessageMap map(
      &CColourDialogEx::GetMessageMap(),
      {
          H::Notify(NM_CLICK, IDC_WIND_FARM_LIST, &CWindFarmTurbinesDlg::OnListClick),
          H::Control(CBN_SELCHANGE, IDC_TURBINE_FARM_CHOICE, &CWindFarmTurbinesDlg::OnFarmChosen),
      });
  return map;
}

bool TurbineProperties(CTurbineList* turbines, CDatum* datum, bool chooseFarm) {
  if (!turbines) return false;
  CWindFarmTurbinesDlg dialog(*turbines, datum, chooseFarm);
  return dialog.DoModal() == IDOK;
}
