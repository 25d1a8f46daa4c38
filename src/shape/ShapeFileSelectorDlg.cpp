#include "shape/ShapeFileSelectorDlg.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "controls/ColourPickerComboBoxEx.h"
#include "controls/StandardColours.h"
#include "frame/Exports.h"
#include "frame/MessageNames.h"
#include "frame/PathText.h"
#include "platform/companions/CompanionResources.h"
#include "platform/text/CodePage.h"
#include "platform/ui/DC.h"
#include "platform/ui/Toolkit.h"
#include "shape/ShapeResources.h"
#include "shape/ShapeTypes.h"

namespace {

const UINT UM_LIST_SET_ITEMS = platform::ui::RegisterWindowMessage(messages::kListSetItems);
const UINT UM_LIST_IMAGE_LIST = platform::ui::RegisterWindowMessage(messages::kListImageList);
const UINT UM_LIST_VALIDATE = platform::ui::RegisterWindowMessage(messages::kListValidate);

constexpr const char* kColumns[] = {"File Name",      "Points",         "Lines",          "Polygons",
                                    "   Display    ", "   Colour     ", "    Size      ", " Fill Polygon "};
enum Column { kName, kPoints, kLines, kPolygons, kDisplay, kColour, kSize, kFill };

constexpr FileListDlgDef kSelector{IDD_SHAPE_FILE_SELECTOR,       IDC_SHAPE_DELETE_FILE, "Shape Files", "*.shp",
                                   "Shape Files (*.shp)|*.shp|", true};

// The two-choice columns show choice i with cell image i + 1, the colour
// column colour i with cell image i + 3.
constexpr int kNoYesImageOffset = 1;
constexpr int kColourImageOffset = 3;
const std::vector<std::string> kHideShow = {"Hide", "Show"};
const std::vector<std::string> kNoYes = {"No", "Yes"};

// A drawing size by its style value; any value but these shows as medium.
struct SizeChoice {
  const char* text;
  std::int16_t style;
};
constexpr std::array<SizeChoice, 3> kSizes = {{{"Small", 1}, {"Medium", 2}, {"Large", 4}}};
constexpr std::int16_t kMediumStyle = 2;

std::string SizeText(std::int16_t style) {
  for (const SizeChoice& size : kSizes)
    if (size.style == style) return size.text;
  return "Medium";
}

std::int16_t StyleOfText(const std::string& text) {
  for (const SizeChoice& size : kSizes)
    if (text == size.text) return size.style;
  return kMediumStyle;
}

std::vector<std::string> ChoicesOf(int column) {
  std::vector<std::string> choices;
  switch (column) {
    case kDisplay: return kHideShow;
    case kFill: return kNoYes;
    case kColour:
      for (const StandardColourDef& colour : kStandardColours) choices.emplace_back(colour.name);
      return choices;
    case kSize:
      for (const SizeChoice& size : kSizes) choices.emplace_back(size.text);
      return choices;
    default: return choices;
  }
}

// The chosen entry: the editor's image index when it had images, else the
// text's place among the choices (0 when it is none of them).
int ChosenIndex(const NMLVDISPINFO& info) {
  if (info.item.mask & LVIF_IMAGE) return info.item.iImage;
  const std::vector<std::string> choices = ChoicesOf(info.item.iSubItem);
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (choices[i] == info.item.pszText) return static_cast<int>(i);
  return 0;
}

struct ClassCounts {
  std::size_t points = 0, lines = 0, polygons = 0;
};

// The shape's entities read again from its file, by type.
std::optional<ClassCounts> CountClasses(const CShape& shape) {
  CShapeFile file;
  if (!file.Open(shape.path)) return std::nullopt;
  ClassCounts counts;
  for (std::int32_t i = 0; i < shape.entityCount; ++i) {
    const ShapeEntityDef entity = file.ReadEntity(i);
    const auto type = entity.object ? FindShapeType(entity.object->nSHPType) : std::nullopt;
    if (!type) continue;
    if (type->counted == ShapeClass::Point) ++counts.points;
    if (type->counted == ShapeClass::Line) ++counts.lines;
    if (type->counted == ShapeClass::Polygon) ++counts.polygons;
  }
  return counts;
}

// The path without its extension: the text from its last "." on.
std::string WithoutExtension(const std::string& path) {
  const auto dot = path.rfind('.');
  return dot == std::string::npos ? path : path.substr(0, dot);
}

CBitmap BlankImage() {
  constexpr int size = CColourPickerComboBoxEx::kSwatchSize;
  CBitmap blank;
  blank.CreateBitmap(size, size);
  CDC dc;
  dc.SelectObject(&blank);
  dc.FillSolidRect(CRect(0, 0, size, size), CColourPickerComboBoxEx::kSwatchBackground);
  return blank;
}

}  // namespace

CShapeFileSelectorDlg::CShapeFileSelectorDlg(CShapeFileList& shapes, CWnd* parent)
    : CFileListDlg(kSelector, parent), shapes_(shapes) {}

std::span<const char* const> CShapeFileSelectorDlg::Columns() const { return kColumns; }

void CShapeFileSelectorDlg::SetUpList() {
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES);
  for (int column : {kName, kPoints, kLines, kPolygons}) list_.AddToColumnSet(ColumnSet::ReadOnly, column);
  for (int column : {kDisplay, kColour, kSize, kFill}) list_.AddToColumnSet(ColumnSet::Choice, column);
  constexpr int size = CColourPickerComboBoxEx::kSwatchSize;
  cellImages_.Create(size, size, ILC_COLOR24 | ILC_MASK, kColourImageOffset + static_cast<int>(kStandardColours.size()),
                     0);
  const CBitmap blank = BlankImage();
  cellImages_.Add(&blank, CColourPickerComboBoxEx::kSwatchBackground);
  CBitmap noYes;
  if (noYes.LoadBitmap(companions::kNoYesBitmap)) cellImages_.Add(&noYes, CColourPickerComboBoxEx::kSwatchBackground);
  const CBitmap swatches = CColourPickerComboBoxEx::SwatchStrip();
  cellImages_.Add(&swatches, CColourPickerComboBoxEx::kSwatchBackground);
  list_.SetImageList(&cellImages_, LVSIL_SMALL);
}

void CShapeFileSelectorDlg::InsertRows() {
  for (std::size_t i = 0; i < shapes_.GetCount(); ++i) {
    const CShape& shape = shapes_.GetAt(i);
    ShowFile(list_.InsertItem(static_cast<int>(i), GetPathTitle(shape.path)), shape);
  }
}

void CShapeFileSelectorDlg::ShowFile(int row, const CShape& shape) {
  const auto counts = CountClasses(shape);
  if (!counts) return;
  list_.SetItemText(row, kPoints, CountText(counts->points));
  list_.SetItemText(row, kLines, CountText(counts->lines));
  list_.SetItemText(row, kPolygons, CountText(counts->polygons));
  ShowSettings(row, shape.display);
}

void CShapeFileSelectorDlg::ShowSettings(int row, const ShapeDisplayDef& display) {
  const int status = display.status ? 1 : 0;
  ShowCell(row, kDisplay, kHideShow[status], status + kNoYesImageOffset);
  const int colour = StandardColourIndex(display.colour);
  ShowCell(row, kColour, std::string(kStandardColours[colour].name), colour + kColourImageOffset);
  list_.SetItemText(row, kSize, SizeText(display.style));
  const int fill = display.iconMode ? 1 : 0;
  ShowCell(row, kFill, kNoYes[fill], fill + kNoYesImageOffset);
}

void CShapeFileSelectorDlg::ShowCell(int row, int column, const std::string& text, int image) {
  LVITEM item;
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = text;
  item.iImage = image;
  list_.SetItem(&item);
}

// Paths are stored without their extension, so the comparison is with the
// chosen path cut the same way.
void CShapeFileSelectorDlg::AddPath(const std::string& chosen) {
  const std::string path = WithoutExtension(chosen);
  for (const auto& shape : shapes_.Shapes())
    if (platform::text::EqualsIgnoringCase(shape->path, path)) return;
  auto shape = std::make_unique<CShape>();
  shape->path = path;
  if (!shape->Load()) return;
  shapes_.Append(std::move(shape));
  shapes_.names.FindOrAdd(path);
  shapes_.names.Save();
}

void CShapeFileSelectorDlg::RemoveFile(std::size_t row) { shapes_.RemoveAt(row); }

LRESULT CShapeFileSelectorDlg::OnSetItems(WPARAM cell, LPARAM items) {
  *reinterpret_cast<std::vector<std::string>*>(items) = ChoicesOf(LOWORD(cell));
  return 0;
}

// The two-choice columns take the companion no/yes images, choice i as
// image i; the colour column the cell images, whose colours start at 3.
LRESULT CShapeFileSelectorDlg::OnImageList(WPARAM cell, LPARAM images) {
  auto& chosen = *reinterpret_cast<CImageList**>(images);
  const int column = LOWORD(cell);
  if (column == kDisplay || column == kFill) chosen = &noYes_;
  if (column == kColour) chosen = &cellImages_;
  return 0;
}

LRESULT CShapeFileSelectorDlg::OnValidate(WPARAM, LPARAM parameter) {
  const auto& info = *reinterpret_cast<const NMLVDISPINFO*>(parameter);
  const int row = info.item.iItem;
  const int column = info.item.iSubItem;
  if (row < 0 || static_cast<std::size_t>(row) >= shapes_.GetCount() || column < kDisplay) return 0;
  CShape& shape = shapes_.GetAt(static_cast<std::size_t>(row));
  const int index = ChosenIndex(info);
  switch (column) {
    case kDisplay: shape.display.status = index != 0; break;
    case kColour: shape.display.colour = StandardColourValue(index); break;
    case kSize: shape.display.style = StyleOfText(info.item.pszText); break;
    case kFill: shape.display.iconMode = index != 0; break;
    default: return 0;
  }
  WriteShapeDisplay(shape.path, shape.display);
  ShowSettings(row, shape.display);
  return 0;
}

const MessageMap& CShapeFileSelectorDlg::GetMessageMap() const {
  using H = Handlers<CShapeFileSelectorDlg>;
  static const MessageMap map(&CFileListDlg::GetMessageMap(),
                              {
                                  H::Command(IDC_SHAPE_SELECT_FILE, &CShapeFileSelectorDlg::OnSelectFile),
                                  H::Command(IDC_SHAPE_DELETE_FILE, &CShapeFileSelectorDlg::OnDeleteFile),
                                  H::Registered(UM_LIST_SET_ITEMS, &CShapeFileSelectorDlg::OnSetItems),
                                  H::Registered(UM_LIST_IMAGE_LIST, &CShapeFileSelectorDlg::OnImageList),
                                  H::Registered(UM_LIST_VALIDATE, &CShapeFileSelectorDlg::OnValidate),
                              });
  return map;
}

bool ShapeLoad(CShapeFileList* shapes) {
  if (!shapes) return false;
  CShapeFileSelectorDlg dialog(*shapes);
  return dialog.DoModal() == IDOK;
}
