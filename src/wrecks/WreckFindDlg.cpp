#include "wrecks/WreckFindDlg.h"

#include <algorithm>
#include <cstdlib>

#include "controls/UKPlaces.h"
#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/datum/Datum.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckPropertiesSheet.h"
#include "wrecks/WreckResources.h"
#include "wrecks/WreckSettings.h"

namespace {

// The family of a datum that shows geographicals only, without a grid.
constexpr int kGeographicalsOnly = -1;
constexpr DWORD kResultStyles = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES;
// A search moves the progress bar this many times at most: more steps than
// a bar has pixels, and far fewer than a million records, each of whose
// positions would cost as much as testing the record.
constexpr std::size_t kProgressSteps = 1024;
constexpr int kGridControls[] = {IDC_CENTRE_EASTING, IDC_CENTRE_NORTHING, IDC_EASTING_LABEL, IDC_NORTHING_LABEL};

NumberLayout RadiusLayout() {
  NumberLayout layout;
  layout.integerDigits = 4;
  layout.decimals = 2;
  layout.maxCharacters = 7;
  layout.negativeAllowed = false;
  return layout;
}

NumberLayout GridLayout() {
  NumberLayout layout;
  layout.decimals = 3;
  return layout;
}

void ShowControl(CWnd* control, bool show) {
  if (control) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

int SelectedYear(const CComboBox& box) {
  const int entry = box.GetCurSel();
  return entry < 0 ? 0 : std::atoi(box.GetLBText(entry).c_str());
}

}  // namespace

CWreckFindDlg::CWreckFindDlg(CWnd* parent) : CColourDialogEx(IDD_WRECK_FIND, parent) {
  radius_.layout = RadiusLayout();
  easting_.layout = GridLayout();
  northing_.layout = GridLayout();
}

CWreckFindDlg::~CWreckFindDlg() = default;

void CWreckFindDlg::SetData(CWreckList* wrecks, CWreckList* searchList, CDatum* datum) {
  wrecks_ = wrecks;
  searchList_ = searchList;
  datum_ = datum;
}

bool CWreckFindDlg::HasGrid() const { return datum_ && datum_->Family() != kGeographicalsOnly; }

void CWreckFindDlg::DoDataExchange(CDataExchange* dx) {
  CColourDialogEx::DoDataExchange(dx);
  DDX_Control(dx, IDC_PLACE, place_);
  DDX_Control(dx, IDC_CENTRE_LATITUDE, latitude_);
  DDX_Control(dx, IDC_CENTRE_LONGITUDE, longitude_);
  DDX_Control(dx, IDC_CENTRE_EASTING, easting_);
  DDX_Control(dx, IDC_CENTRE_NORTHING, northing_);
  DDX_Control(dx, IDC_RADIUS, radius_);
  DDX_Control(dx, IDC_SEARCH_NAME, name_);
  DDX_Control(dx, IDC_FIRST_YEAR, firstYear_);
  DDX_Control(dx, IDC_LAST_YEAR, lastYear_);
  DDX_Control(dx, IDC_RESULTS, results_);
  DDX_Control(dx, IDC_PRINT_RESULTS, print_);
  DDX_Control(dx, IDC_CSV_RESULTS, csv_);
  DDX_Control(dx, IDC_SEARCH_PROGRESS, progress_);
  DDX_Control(dx, IDC_SHOW_WRECKS, showWrecks_);
  DDX_Control(dx, IDC_WRECK_COUNT, wreckCount_);
  DDX_Control(dx, IDC_SHOW_OBSTRUCTIONS, showObstructions_);
  DDX_Control(dx, IDC_OBSTRUCTION_COUNT, obstructionCount_);
}

BOOL CWreckFindDlg::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  index_ = std::make_unique<CWreckSearchIndex>(*wrecks_);
  SetUpResultList();
  ShowGridControls();
  ShowCentre();
  radius_.SetValue(searchList_->searchRadius);
  name_.SetWindowText(searchList_->searchName);
  FillYearBoxes();
  showWrecks_.SetCheck(searchList_->showWrecks ? BST_CHECKED : BST_UNCHECKED);
  showObstructions_.SetCheck(searchList_->showObstructions ? BST_CHECKED : BST_UNCHECKED);
  FillRows();
  return TRUE;
}

void CWreckFindDlg::SetUpResultList() {
  results_.SetExtendedStyle(kResultStyles);
  results_.SetImageList(&images_, LVSIL_SMALL);
  for (std::string_view heading : CWreckResultRows(HasGrid() ? datum_ : nullptr).Headings())
    results_.AddColumn(heading);
  print_.SetListCtrl(&results_);
  csv_.SetListCtrl(&results_);
  progress_.ShowWindow(SW_HIDE);
  ShowExportButtons(false);
}

void CWreckFindDlg::ShowGridControls() {
  for (int id : kGridControls) ShowControl(GetDlgItem(id), HasGrid());
}

void CWreckFindDlg::ShowCentre() {
  latitude_.SetAngle(CAngle(searchList_->centreLatitude));
  longitude_.SetAngle(CAngle(searchList_->centreLongitude));
  ShowGridCentre();
  place_.SelectNearest(searchList_->centreLatitude, searchList_->centreLongitude);
}

void CWreckFindDlg::ShowGridCentre() {
  if (!HasGrid()) return;
  const tagXY grid = datum_->LatLonToGrid({searchList_->centreLongitude, searchList_->centreLatitude});
  easting_.SetValue(grid.x);
  northing_.SetValue(grid.y);
}

// Latest year first, as a user looking for a recent loss expects.
void CWreckFindDlg::FillYearBoxes() {
  for (int year = wrecks_->latestYear; year >= wrecks_->earliestYear; --year) {
    firstYear_.AddString(FormatText("%d", year));
    lastYear_.AddString(FormatText("%d", year));
  }
  SelectYear(firstYear_, searchList_->yearFrom, 0);
  SelectYear(lastYear_, searchList_->yearTo, 1);
}

void CWreckFindDlg::SelectYear(CComboBox& box, int year, int fallback) {
  const int entry = box.FindStringExact(-1, FormatText("%d", year));
  box.SetCurSel(entry == CB_ERR ? std::min(fallback, box.GetCount() - 1) : entry);
}

void CWreckFindDlg::OnFindLocation() {
  searchList_->centreLatitude = latitude_.GetAngle().Radians();
  searchList_->centreLongitude = longitude_.GetAngle().Radians();
  searchList_->searchRadius = std::atof(radius_.GetWindowText().c_str());
  ShowGridCentre();
  Search(kSearchLocation, &CWreckSearch::FindWithinRadius);
}

void CWreckFindDlg::OnFindName() {
  const std::string text = name_.GetWindowText();
  // An empty text finds nothing, tests no record and leaves the method as
  // it was.
  if (text.empty()) return Search(searchList_->searchMethod, nullptr);
  searchList_->searchName = text;
  Search(kSearchName, &CWreckSearch::FindName);
}

void CWreckFindDlg::OnFindYears() {
  const int a = SelectedYear(firstYear_);
  const int b = SelectedYear(lastYear_);
  searchList_->yearFrom = static_cast<std::int16_t>(std::min(a, b));
  searchList_->yearTo = static_cast<std::int16_t>(std::max(a, b));
  Search(kSearchYears, &CWreckSearch::FindYears);
}

void CWreckFindDlg::Search(std::int32_t method, CWreckSearch::Method find) {
  ShowExportButtons(false);
  const std::size_t count = wrecks_->GetSize();
  progress_.SetRange32(0, static_cast<int>(count));
  progress_.ShowWindow(SW_SHOW);
  results_.DeleteAllItems();
  searchList_->RemoveAll();
  searchList_->searchMethod = method;
  const CWreckSearch search(*wrecks_, *index_, *searchList_);
  const std::size_t step = std::max<std::size_t>(1, (count + kProgressSteps - 1) / kProgressSteps);
  std::vector<std::size_t> found;
  for (std::size_t begin = 0; find && begin < count; begin += step) {
    progress_.SetPos(static_cast<int>(begin));
    (search.*find)(begin, std::min(count, begin + step), found);
  }
  for (std::size_t i : found) searchList_->Add(wrecks_->GetAt(i));
  progress_.ShowWindow(SW_HIDE);
  FillRows();
  ShowExportButtons(results_.GetItemCount() > 0);
  SaveSearchSettings(searchList_);
}

void CWreckFindDlg::FillRows() {
  results_.DeleteAllItems();
  const CWreckResultRows rows(HasGrid() ? datum_ : nullptr);
  for (std::size_t i = 0; i < searchList_->GetSize(); ++i) {
    const WreckDef& record = *searchList_->GetAt(i);
    if (record.IsWreck() ? searchList_->showWrecks : searchList_->showObstructions) AddRow(rows, record, i);
  }
  wreckCount_.SetWindowText(FormatText("%d", searchList_->wreckCount));
  obstructionCount_.SetWindowText(FormatText("%d", searchList_->obstructionCount));
}

// The row keeps the index of its match, so that it leads to its own record
// whatever is hidden or however the rows are ordered.
void CWreckFindDlg::AddRow(const CWreckResultRows& rows, const WreckDef& record, std::size_t match) {
  const std::vector<ResultCell> cells = rows.Cells(record);
  const int row = results_.InsertItem(results_.GetItemCount(), cells[0].text, cells[0].image);
  results_.SetItemData(row, match);
  for (std::size_t c = 1; c < cells.size(); ++c) {
    LVITEM item;
    item.mask = LVIF_TEXT | (cells[c].image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = row;
    item.iSubItem = static_cast<int>(c);
    item.pszText = cells[c].text;
    item.iImage = cells[c].image;
    results_.SetItem(&item);
  }
}

void CWreckFindDlg::ShowExportButtons(bool show) {
  print_.ShowWindow(show ? SW_SHOW : SW_HIDE);
  csv_.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CWreckFindDlg::OnShowWrecks() {
  searchList_->showWrecks = !searchList_->showWrecks;
  SaveSearchSettings(searchList_);
  FillRows();
}

void CWreckFindDlg::OnShowObstructions() {
  searchList_->showObstructions = !searchList_->showObstructions;
  SaveSearchSettings(searchList_);
  FillRows();
}

void CWreckFindDlg::OnPlaceChosen() {
  const int entry = place_.GetCurSel();
  const UKPlaceDef* place = entry < 0 ? nullptr : FindPlaceInText(place_.GetLBText(entry));
  if (!place) return;
  searchList_->centreLatitude = place->latitude * kRadiansPerDegree;
  searchList_->centreLongitude = place->longitude * kRadiansPerDegree;
  latitude_.SetAngle(CAngle(searchList_->centreLatitude));
  longitude_.SetAngle(CAngle(searchList_->centreLongitude));
  ShowGridCentre();
}

void CWreckFindDlg::OnCentreEdited() {
  searchList_->centreLatitude = latitude_.GetAngle().Radians();
  searchList_->centreLongitude = longitude_.GetAngle().Radians();
  ShowGridCentre();
}

void CWreckFindDlg::OnGridCentreEdited() {
  if (!HasGrid()) return;
  // The fields take their typed value only after this notice, so their
  // texts are read rather than their values.
  const tagXY grid{NumberTextValue(easting_.GetWindowText()), NumberTextValue(northing_.GetWindowText())};
  const tagXY centre = datum_->GridToLatLon(grid);
  searchList_->centreLatitude = centre.y;
  searchList_->centreLongitude = centre.x;
  latitude_.SetAngle(CAngle(centre.y));
  longitude_.SetAngle(CAngle(centre.x));
}

void CWreckFindDlg::OnRowDoubleClick(NMHDR* header, LRESULT*) {
  const int row = reinterpret_cast<NMLISTVIEW*>(header)->iItem;
  if (row < 0 || row >= results_.GetItemCount()) return;
  const std::size_t match = results_.GetItemData(row);
  if (match < searchList_->GetSize()) DisplayWreckProperties(searchList_->GetAt(match), datum_);
}

const MessageMap& CWreckFindDlg::GetMessageMap() const {
  using H = Handlers<CWreckFindDlg>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(), {
      H::Command(IDC_FIND_LOCATION, &CWreckFindDlg::OnFindLocation),
      H::Command(IDC_FIND_NAME, &CWreckFindDlg::OnFindName),
      H::Command(IDC_FIND_YEARS, &CWreckFindDlg::OnFindYears),
      H::Command(IDC_SHOW_WRECKS, &CWreckFindDlg::OnShowWrecks),
      H::Command(IDC_SHOW_OBSTRUCTIONS, &CWreckFindDlg::OnShowObstructions),
      H::Control(CBN_SELCHANGE, IDC_PLACE, &CWreckFindDlg::OnPlaceChosen),
      H::Control(EN_KILLFOCUS, IDC_CENTRE_LATITUDE, &CWreckFindDlg::OnCentreEdited),
      H::Control(EN_KILLFOCUS, IDC_CENTRE_LONGITUDE, &CWreckFindDlg::OnCentreEdited),
      H::Control(EN_KILLFOCUS, IDC_CENTRE_EASTING, &CWreckFindDlg::OnGridCentreEdited),
      H::Control(EN_KILLFOCUS, IDC_CENTRE_NORTHING, &CWreckFindDlg::OnGridCentreEdited),
      H::Notify(NM_DBLCLK, IDC_RESULTS, &CWreckFindDlg::OnRowDoubleClick),
  });
  return map;
}

bool WreckFinder(CWreckList* wrecks, CWreckList* searchList, CDatum* datum, tagXY&) {
  if (!wrecks || !searchList || wrecks->GetSize() == 0 || wrecks->loading) return false;
  CWreckFindDlg dialog(nullptr);
  dialog.SetData(wrecks, searchList, datum);
  return dialog.DoModal() == IDOK;
}
