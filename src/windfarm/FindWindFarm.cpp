#include "windfarm/FindWindFarm.h"

#include <algorithm>
#include <string>

#include "frame/Exports.h"
#include "platform/companions/ErrorMessage.h"
#include "windfarm/WindFarmNames.h"
#include "windfarm/WindFarmResources.h"

namespace {

// The error icon (0x10) and two high bits the message library passes on to
// the window system.
constexpr UINT kErrorStyle = 0x300010;
constexpr char kNoTurbines[] = "No Turbines Loaded";
constexpr char kNoBoundaries[] = "No Wind Farm Boundaries Loaded";

// The middle of the box that holds every turbine; none without turbines.
std::optional<tagXY> MiddleOfTurbines(const std::vector<TurbineDef>& turbines) {
  if (turbines.empty()) return std::nullopt;
  tagXY low = turbines.front().position, high = low;
  for (const TurbineDef& t : turbines) {
    low = {std::min(low.x, t.position.x), std::min(low.y, t.position.y)};
    high = {std::max(high.x, t.position.x), std::max(high.y, t.position.y)};
  }
  return tagXY{(low.x + high.x) / 2, (low.y + high.y) / 2};
}

template <class List>
bool FindIn(List* list, const char* noFarms, tagXY& point) {
  if (!list) return false;
  if (list->farms.empty()) {
    ErrorMessage(noFarms, nullptr, kErrorStyle);
    return false;
  }
  CFindWindFarm dialog(*list);
  if (dialog.DoModal() != IDOK) return false;
  if (dialog.Result()) point = *dialog.Result();
  return true;
}

}  // namespace

CFindWindFarm::CFindWindFarm(CTurbineList& turbines, CWnd* parent)
    : CColourDialogEx(IDD_FIND_WIND_FARM, parent), turbines_(&turbines) {}

CFindWindFarm::CFindWindFarm(CWindFarmBoundaryList& boundaries, CWnd* parent)
    : CColourDialogEx(IDD_FIND_WIND_FARM, parent), boundaries_(&boundaries) {}

BOOL CFindWindFarm::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  names_.SubclassDlgItem(IDC_WIND_FARM_LIST, this);
  find_.SubclassDlgItem(IDOK, this);
  cancel_.SubclassDlgItem(IDCANCEL, this);
  if (turbines_) AddFarmNames(names_, turbines_->farms);
  if (boundaries_) AddFarmNames(names_, boundaries_->farms);
  return TRUE;
}

bool CFindWindFarm::SelectFarm() {
  const int entry = names_.GetCurSel();
  if (entry < 0) return false;
  const std::string name = names_.GetText(entry);
  if (boundaries_) {
    const int farm = FindFarmNamed(boundaries_->farms, name);
    if (farm < 0) return false;
    boundaries_->index = farm;
    boundaries_->SaveSettings();
    result_ = boundaries_->farms[static_cast<std::size_t>(farm)].centre;
    return true;
  }
  const int farm = FindFarmNamed(turbines_->farms, name);
  if (farm < 0) return false;
  turbines_->index = farm;
  turbines_->SaveSettings();
  result_ = MiddleOfTurbines(turbines_->farms[static_cast<std::size_t>(farm)].turbines);
  return true;
}

void CFindWindFarm::OnOK() { EndDialog(SelectFarm() ? IDOK : IDCANCEL); }

// Unlike Find, a double-click that finds nothing leaves the dialog open.
void CFindWindFarm::OnDoubleClick() {
  if (SelectFarm()) EndDialog(IDOK);
}

const MessageMap& CFindWindFarm::GetMessageMap() const {
  using H = Handlers<CFindWindFarm>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(),
                              {H::Control(LBN_DBLCLK, IDC_WIND_FARM_LIST, &CFindWindFarm::OnDoubleClick)});
  return map;
}

bool FindWindFarm(CTurbineList* turbines, tagXY& point) { return FindIn(turbines, kNoTurbines, point); }

bool FindWindFarm(CWindFarmBoundaryList* boundaries, tagXY& point) { return FindIn(boundaries, kNoBoundaries, point); }
