#include "wrecks/WreckGeneralPP.h"

#include <string_view>

#include "frame/FormatText.h"
#include "geodesy/angle/AngleText.h"
#include "geodesy/datum/DatumFamilies.h"
#include "wrecks/CountryTable.h"
#include "wrecks/WreckCodeTables.h"
#include "wrecks/WreckFieldText.h"
#include "wrecks/WreckPropertyResources.h"
#include "wrecks/WrecksImageList.h"

namespace {

constexpr int kLatitudeKind = 5;
constexpr int kLongitudeKind = 6;
// The OSTN15 family names its grid by the transformation (the grid's zone
// name); every other family by the grid's own name.
constexpr int kOstn15Family = 2;
constexpr char kNotAvailable[] = "n/a";
// Room for all 97 flags, so adding never has to grow the list.
constexpr int kFlagRoom = 100;

constexpr WreckPageField kGeneralFields[] = {
    {IDC_GENERAL_NAME, "Name", true},
    {IDC_GENERAL_FLAG, "Flag", true},
    {IDC_GENERAL_TYPE, "Type", true},
    {IDC_GENERAL_CARGO, "Cargo", true},
    {IDC_GENERAL_TONNAGE, "Tonnage", true},
    {IDC_GENERAL_CATEGORY, "Category", true},
    {IDC_GENERAL_STATUS, "Status", true},
    {IDC_GENERAL_DEPTH, "Depth", false},
    {IDC_GENERAL_SEABED, "Seabed Texture", true},
    {IDC_GENERAL_LATITUDE, "Latitude", true},
    {IDC_GENERAL_LONGITUDE, "Longitude", true},
    {IDC_GENERAL_EASTING, "Easting", true},
    {IDC_GENERAL_NORTHING, "Northing", true},
    {IDC_GENERAL_ELLIPSOID, "Ellipsoid", false},
    {IDC_GENERAL_GRID, "Grid", false},
    {IDC_GENERAL_METHOD, "Method", true},
    {IDC_GENERAL_DIMENSIONS, "Dimensions", true},
    {IDC_GENERAL_DEBRIS, "Debris", true},
    {IDC_GENERAL_COMMENT, "Comment", true},
};

// Shown only with a grid position.
constexpr int kGridControls[] = {IDC_GENERAL_EASTING_LABEL, IDC_GENERAL_EASTING,   IDC_GENERAL_NORTHING_LABEL,
                                 IDC_GENERAL_NORTHING,      IDC_GENERAL_ELLIPSOID, IDC_GENERAL_GRID};

std::string GridName(const CDatum& datum) {
  if (!datum.userGrid) return {};
  return datum.Family() == kOstn15Family ? datum.userGrid->zoneName : datum.userGrid->name;
}

}  // namespace

CWreckGeneralPP::CWreckGeneralPP(const WreckDef* wreck, CDatum* datum)
    : CWreckPropertyPage(IDD_WRECK_GENERAL, wreck, kGeneralFields), datum_(datum) {
  flags_.Create(kFlagWidth, kFlagHeight, ILC_COLOR24 | ILC_MASK, kFlagRoom, 1);
  AddFlagStrips(flags_);
}

CWreckGeneralPP::~CWreckGeneralPP() = default;

BOOL CWreckGeneralPP::OnInitDialog() {
  const BOOL result = CWreckPropertyPage::OnInitDialog();
  flagIcon_.SubclassDlgItem(IDC_GENERAL_FLAG_ICON, this);
  statusIcon_.SubclassDlgItem(IDC_GENERAL_STATUS_ICON, this);
  return result;
}

void CWreckGeneralPP::ShowRecord(const WreckDef& wreck) {
  const WreckDataDef& d = wreck.data;
  SetDlgItemText(IDC_GENERAL_NAME, wreck.Name());
  SetDlgItemText(IDC_GENERAL_TYPE, WreckCodeText(WreckCode::VesselType, d.vesselType));
  ShowFlag(d);
  SetDlgItemText(IDC_GENERAL_CARGO, WreckCodeText(WreckCode::Cargo, d.cargo));
  SetDlgItemText(IDC_GENERAL_TONNAGE, TonnageText(d));
  SetDlgItemText(IDC_GENERAL_CATEGORY, CategoryText(d));
  const bool grid = ShowsGrid();
  ShowGridFields(grid);
  ShowPosition(d, grid);
  SetDlgItemText(IDC_GENERAL_METHOD, WreckCodeText(WreckCode::PositionMethod, d.positionMethod));
  SetDlgItemText(IDC_GENERAL_DEPTH, DepthText(d));
  SetDlgItemText(IDC_GENERAL_SEABED, WreckCodeText(WreckCode::SeabedTexture, d.seabedTexture));
  SetDlgItemText(IDC_GENERAL_DIMENSIONS, DimensionsText(d));
  ShowStatus(d);
  SetDlgItemText(IDC_GENERAL_COMMENT, wreck.Comment());
  SetDlgItemText(IDC_GENERAL_DEBRIS, DebrisText(d));
}

void CWreckGeneralPP::ShowFlag(const WreckDataDef& d) {
  const std::string_view code(d.nationality, sizeof d.nationality);
  SetDlgItemText(IDC_GENERAL_FLAG, CountryNameFromCode(code));
  const int flag = FlagIndexFromCode(code);
  flagIcon_.SetBitmap(flag > 0 ? flags_.ExtractIcon(flag) : nullptr);
  flagIcon_.ShowWindow(flag > 0 ? SW_SHOW : SW_HIDE);
}

void CWreckGeneralPP::ShowStatus(const WreckDataDef& d) {
  SetDlgItemText(IDC_GENERAL_STATUS, WreckCodeText(WreckCode::Status, d.status));
  statusIcon_.SetBitmap(statusIcons_.GetIcon(d.status));
}

bool CWreckGeneralPP::ShowsGrid() const { return datum_ && datum_->Family() != kGeographicalsFamily; }

void CWreckGeneralPP::ShowGridFields(bool shown) {
  for (const int id : kGridControls)
    if (CWnd* control = GetDlgItem(id)) control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
  if (!shown) return;
  SetDlgItemText(IDC_GENERAL_ELLIPSOID, datum_->farEllipsoid ? datum_->farEllipsoid->name : std::string());
  SetDlgItemText(IDC_GENERAL_GRID, GridName(*datum_));
}

void CWreckGeneralPP::ShowPosition(const WreckDataDef& d, bool grid) {
  if (d.latitude == 0 && d.longitude == 0) {
    for (const int id : {IDC_GENERAL_LATITUDE, IDC_GENERAL_LONGITUDE, IDC_GENERAL_EASTING, IDC_GENERAL_NORTHING})
      SetDlgItemText(id, kNotAvailable);
    return;
  }
  SetDlgItemText(IDC_GENERAL_LATITUDE, FormatAngle(d.latitude, kLatitudeKind, kAngleFormatFromSettings));
  SetDlgItemText(IDC_GENERAL_LONGITUDE, FormatAngle(d.longitude, kLongitudeKind, kAngleFormatFromSettings));
  if (!grid) return;
  const tagXY position = datum_->LatLonToGrid({d.longitude, d.latitude});
  SetDlgItemText(IDC_GENERAL_EASTING, FormatText("%.3lf", position.x));
  SetDlgItemText(IDC_GENERAL_NORTHING, FormatText("%.3lf", position.y));
}
