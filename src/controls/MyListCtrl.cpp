#include "controls/MyListCtrl.h"

#include <algorithm>

#include "controls/CellEditors.h"
#include "frame/ConfigFile.h"
#include "frame/FormatText.h"
#include "frame/MessageNames.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/RegisteredMessages.h"

namespace {

using platform::ui::RegisterWindowMessage;
const UINT UM_LIST_START_EDIT = RegisterWindowMessage(messages::kListStartEdit);
const UINT UM_LIST_SET_ITEMS = RegisterWindowMessage(messages::kListSetItems);
const UINT UM_LIST_IMAGE_LIST = RegisterWindowMessage(messages::kListImageList);
const UINT UM_LIST_VALIDATE = RegisterWindowMessage(messages::kListValidate);
const UINT UM_LIST_BUTTON_PRESS = RegisterWindowMessage(messages::kListButtonPress);

// The window styles the editors are made with.
constexpr DWORD kTextEditorStyle = 0x1C0;
constexpr DWORD kButtonStyle = 0x50008000;
constexpr DWORD kChoiceStyle = 0x508008C3;

// Background, text and the two accent colours of each scheme, light then
// dark.
struct Scheme {
  COLORREF light[4];
  COLORREF dark[4];
};
constexpr Scheme kSchemes[] = {
    {{0xFFFFFF, 0x000000, 0xEBEBEB, 0x555555}, {0xFFFFFF, 0x000000, 0xEBEBEB, 0x555555}},
    {{0xD6D6D6, 0x000000, 0x555555, 0xEBEBEB}, {0x000000, 0xC0C0C0, 0x555555, 0xEBEBEB}},
    {{0xCCFFCC, 0x000000, 0x008000, 0x80FF80}, {0x000000, 0x008000, 0x004000, 0x008000}},
    {{0xFFCC99, 0x000000, 0x800000, 0xFF8080}, {0x000000, 0x800000, 0x400000, 0x800000}},
    {{0xFF99CC, 0x000000, 0x800080, 0xFF80FF}, {0x000000, 0x800080, 0x400040, 0x800080}},
    {{0xF0F0FF, 0x000000, 0x000080, 0x8080FF}, {0x000000, 0x000080, 0x000040, 0x000080}},
    {{0xE7FFFF, 0x000000, 0x008080, 0x00FFFF}, {0x000000, 0x008080, 0x004040, 0x008080}},
};
constexpr int kSchemeCount = static_cast<int>(std::size(kSchemes));

// Coloured rows this dark take white text.
bool IsDarkRowColour(COLORREF colour) { return colour == 0x555555 || colour == 0x808080; }

WPARAM CellWord(int row, int column) { return MAKEWPARAM(static_cast<unsigned>(column), static_cast<unsigned>(row)); }

// The header font is 9.5 points for each line of the tallest caption.
constexpr int kHeaderTenthsPerLine = 95;
constexpr char kHeaderFace[] = "MS Serif";

// A choice's drop-down shows this many rows more than it has choices, and
// at most this many rows in all when it has many.
constexpr int kDropDownExtraRows = 10;
constexpr int kDropDownMostRows = 11;

}  // namespace

CMyListCtrl::CMyListCtrl() = default;

// The window goes while the list is still one, so that it writes its
// column state and closes the editors.
CMyListCtrl::~CMyListCtrl() { DestroyWindow(); }

const MessageMap& CMyListCtrl::GetMessageMap() const {
  using H = Handlers<CMyListCtrl>;
  static const MessageMap map(&CListCtrl::GetMessageMap(), {
      H::Mouse(WM_LBUTTONDOWN, &CMyListCtrl::OnLButtonDown),
      H::Message(WM_HSCROLL, &CMyListCtrl::OnScroll),
      H::Message(WM_VSCROLL, &CMyListCtrl::OnScroll),
      H::Message(WM_DESTROY, &CMyListCtrl::OnDestroy),
      H::NotifyReflect(LVN_BEGINLABELEDIT, &CMyListCtrl::OnBeginLabelEdit),
      H::NotifyReflect(NM_CUSTOMDRAW, &CMyListCtrl::OnCustomDraw),
  });
  return map;
}

void CMyListCtrl::OnWindowCreated() {
  CListCtrl::OnWindowCreated();
  SubclassHeader(header_);
  SetUpHeader();
  dark_ = false;
  SetColourScheme(scheme_);
}

void CMyListCtrl::AddToColumnSet(ColumnSet set, int column) {
  std::vector<int>& columns = columnSets_[static_cast<int>(set)];
  if (!IsInColumnSet(set, column)) columns.push_back(column);
}

bool CMyListCtrl::IsInColumnSet(ColumnSet set, int column) const {
  const std::vector<int>& columns = columnSets_[static_cast<int>(set)];
  return std::find(columns.begin(), columns.end(), column) != columns.end();
}

int CMyListCtrl::AddColumn(std::string_view heading, int alignment) {
  // Room for the sort arrow a sortable header would draw.
  const bool sortable = !(GetStyle() & LVS_NOSORTHEADER);
  const int width = GetStringWidth(heading) + (sortable ? GetStringWidth("        ") + 14 : GetStringWidth("    "));
  const int index = InsertColumn(GetColumnCount(), heading, alignment, width);
  if (index == 0) {
    HDITEM item;
    item.mask = HDI_FORMAT;
    item.fmt = alignment;
    GetHeaderCtrl()->SetItem(0, &item);
  }
  SetUpHeader();
  return index;
}

void CMyListCtrl::SetUpHeader() {
  std::size_t lines = 1;
  CHeaderCtrl& header = *GetHeaderCtrl();
  for (int c = 0; c < header.GetItemCount(); ++c) {
    HDITEM item;
    item.mask = HDI_TEXT | HDI_FORMAT;
    header.GetItem(c, &item);
    lines = std::max(lines, CaptionLines(item.pszText).size());
    item.mask = HDI_FORMAT;
    item.fmt |= HDF_OWNERDRAW;
    header.SetItem(c, &item);
  }
  headerFont_.DeleteObject();
  headerFont_.CreatePointFont(kHeaderTenthsPerLine * static_cast<int>(lines), kHeaderFace);
  if (header.m_hWnd) header.SetFont(&headerFont_);
}

void CMyListCtrl::AutoSizeColumns(bool fill) {
  const int count = GetColumnCount();
  // A last column sized to its heading takes the rest of the width; the
  // empty column keeps the real ones to their own.
  InsertColumn(count, "", LVCFMT_LEFT, 0);
  for (int c = 0; c < count; ++c) {
    SetColumnWidth(c, LVSCW_AUTOSIZE);
    const int content = GetColumnWidth(c);
    SetColumnWidth(c, LVSCW_AUTOSIZE_USEHEADER);
    int heading = GetColumnWidth(c);
    HDITEM item;
    item.mask = HDI_TEXT;
    GetHeaderCtrl()->GetItem(c, &item);
    const std::vector<std::string> lines = CaptionLines(item.pszText);
    if (lines.size() > 1) {
      std::size_t longest = 0;
      for (const std::string& line : lines) longest = std::max(longest, line.size());
      heading = static_cast<int>(longest) * (heading + 2) / static_cast<int>(item.pszText.size());
    }
    SetColumnWidth(c, std::max(content, heading));
  }
  DeleteColumn(count);
  if (fill && count > 0) {
    CRect client;
    GetClientRect(&client);
    int used = 0;
    for (int c = 0; c < count; ++c) used += GetColumnWidth(c);
    if (client.Width() > used) SetColumnWidth(count - 1, GetColumnWidth(count - 1) + client.Width() - used);
  }
  Invalidate();
}

void CMyListCtrl::SetColourScheme(int scheme) {
  if (scheme < 0 || scheme >= kSchemeCount) return;
  scheme_ = scheme;
  const COLORREF* colours = dark_ ? kSchemes[scheme].dark : kSchemes[scheme].light;
  SetBkColor(colours[0]);
  SetTextBkColor(colours[0]);
  SetTextColor(colours[1]);
  schemeColours_[0] = colours[2];
  schemeColours_[1] = colours[3];
  Invalidate();
}

void CMyListCtrl::SetRowColours(COLORREF odd, COLORREF markedBackground, COLORREF markedText, COLORREF imageOne) {
  oddRowColour_ = odd;
  markedBackground_ = markedBackground;
  markedText_ = markedText;
  imageOneColour_ = imageOne;
  Invalidate();
}

CellColours CMyListCtrl::ColoursOf(int row, int column) const {
  const COLORREF background = GetBkColor();
  const COLORREF text = GetTextColor();
  if (columnColours_) {
    HDITEM item;
    item.mask = HDI_LPARAM;
    // A column's own index in its data is no colour (the data once held it).
    if (GetHeaderCtrl()->GetItem(column, &item) && item.lParam != 0 && item.lParam != column)
      return {static_cast<COLORREF>(item.lParam), text};
  }
  if (row == markedRow_ && markedBackground_) return {markedBackground_, markedText_};
  if (colourRows_) {
    const auto data = static_cast<COLORREF>(GetItemData(row));
    const COLORREF colour = data ? data : background;
    return {colour, IsDarkRowColour(colour) ? 0xFFFFFF : text};
  }
  LVITEM item;
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  if (imageOneColour_ && GetItem(&item) && item.iImage == 1) return {imageOneColour_, text};
  if (oddRowColour_ && row % 2 == 1) return {oddRowColour_, text};
  return {background, text};
}

// Each cell is painted in its scheme's colours.
void CMyListCtrl::OnCustomDraw(NMHDR* header, LRESULT* result) {
  auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
  const CellColours colours = ColoursOf(static_cast<int>(draw->dwItemSpec), draw->iSubItem);
  draw->clrText = colours.text;
  draw->clrTextBk = colours.background;
  *result = CDRF_NEWFONT;
}

void CMyListCtrl::OnLButtonDown(UINT flags, CPoint point) {
  LVHITTESTINFO hit;
  hit.pt = point;
  SubItemHitTest(&hit);
  // A press beside the cells (below the last row, say) does nothing at all.
  if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT || hit.iItem < 0) return;
  // The first click on a row selects it; only a click on the row that has
  // the focus edits.
  const bool rowHadFocus = GetItemState(hit.iItem, LVIS_FOCUSED) != 0;
  Default();
  if (flags & (MK_SHIFT | MK_CONTROL)) return;
  if (!rowHadFocus || !(GetStyle() & LVS_EDITLABELS)) return;
  StartEdit(hit.iItem, hit.iSubItem);
}

void CMyListCtrl::StartEdit(int row, int column) {
  if (IsInColumnSet(ColumnSet::Choice, column)) return OpenChoice(row, column, CellWord(row, column));
  if (IsInColumnSet(ColumnSet::Button, column)) return ShowButton(row, column);
  if (IsInColumnSet(ColumnSet::ReadOnly, column)) return;
  BYTE allowed = 1;
  SendMessage(UM_LIST_START_EDIT, CellWord(row, column), reinterpret_cast<LPARAM>(&allowed));
  if (CWnd* parent = GetParent()) parent->SendMessage(UM_LIST_START_EDIT, CellWord(row, column), reinterpret_cast<LPARAM>(&allowed));
  if (!allowed) return;
  const CRect rect = EditorRect(row, column);
  const std::string text = GetItemText(row, column);
  CellEditors& editors = SharedCellEditors();
  const bool latitude = IsInColumnSet(ColumnSet::Latitude, column);
  if (latitude || IsInColumnSet(ColumnSet::Longitude, column)) {
    editors.angle.SetAngle(latitude ? 5 : 6, angleFormat_);
    editors.angle.Open(*this, rect, kTextEditorStyle, kCellAngleId, row, column, text);
  } else {
    editors.edit.SetAllowed(IsInColumnSet(ColumnSet::Numeric, column) ? kNumericCharacters : "");
    editors.edit.Open(*this, rect, kTextEditorStyle, kCellTextId, row, column, text);
  }
  editing_ = true;
}

void CMyListCtrl::OpenChoice(int row, int column, WPARAM cell) {
  std::vector<std::string> items;
  SendMessage(UM_LIST_SET_ITEMS, cell, reinterpret_cast<LPARAM>(&items));
  CWnd* parent = GetParent();
  if (parent) parent->SendMessage(UM_LIST_SET_ITEMS, cell, reinterpret_cast<LPARAM>(&items));
  CImageList* images = nullptr;
  SendMessage(UM_LIST_IMAGE_LIST, cell, reinterpret_cast<LPARAM>(&images));
  if (!images && parent) parent->SendMessage(UM_LIST_IMAGE_LIST, cell, reinterpret_cast<LPARAM>(&images));
  if (items.empty()) return;
  CRect rect = EditorRect(row, column);
  const int count = static_cast<int>(items.size());
  rect.bottom += RowHeight() * (count < kDropDownExtraRows ? count + kDropDownExtraRows : kDropDownMostRows);
  SharedCellEditors().combo.Open(*this, rect, kChoiceStyle, row, column, GetItemText(row, column), items, images);
}

void CMyListCtrl::ShowButton(int row, int column) {
  CRect cell;
  GetSubItemRect(row, column, &cell);
  buttonRow_ = row;
  buttonColumn_ = column;
  SharedCellEditors().button.Show(*this, cell, kButtonStyle);
}

BOOL CMyListCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) != kCellButtonId || HIWORD(wParam) != BN_CLICKED) return CListCtrl::OnCommand(wParam, lParam);
  if (CWnd* parent = GetParent())
    parent->SendMessage(UM_LIST_BUTTON_PRESS, static_cast<WPARAM>(buttonRow_), static_cast<LPARAM>(buttonColumn_));
  return TRUE;
}

CRect CMyListCtrl::EditorRect(int row, int column) {
  CRect rect;
  GetSubItemRect(row, column, &rect);
  CRect client;
  GetClientRect(&client);
  if (rect.right > client.right) {
    Scroll(CSize(rect.left, 0));
    GetSubItemRect(row, column, &rect);
  }
  rect.right = std::min(rect.right, client.right);
  return rect;
}

BOOL CMyListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header || header->hwndFrom != m_hWnd || header->code != LVN_ENDLABELEDIT)
    return CListCtrl::OnNotify(wParam, lParam, result);
  OnEndLabelEdit(header, result);
  return TRUE;
}

void CMyListCtrl::OnEndLabelEdit(NMHDR* header, LRESULT* result) {
  auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
  SetItemText(info->item.iItem, info->item.iSubItem, info->item.pszText);
  const auto id = static_cast<WPARAM>(GetDlgCtrlID());
  SendMessage(UM_LIST_VALIDATE, id, reinterpret_cast<LPARAM>(info));
  if (CWnd* parent = GetParent()) parent->SendMessage(UM_LIST_VALIDATE, id, reinterpret_cast<LPARAM>(info));
  editing_ = false;
  *result = 0;
}

void CMyListCtrl::OnBeginLabelEdit(NMHDR* header, LRESULT* result) {
  const auto* info = reinterpret_cast<const NMLVDISPINFO*>(header);
  const bool readOnly = IsInColumnSet(ColumnSet::ReadOnly, info->item.iSubItem);
  if (!readOnly) editing_ = true;
  *result = readOnly ? TRUE : FALSE;
}

LRESULT CMyListCtrl::OnScroll(WPARAM, LPARAM) {
  // An open editor loses the focus to the list, which ends its edit.
  if (CWnd* focus = GetFocus(); focus && focus->GetParent() == this) SetFocus();
  return Default();
}

void CMyListCtrl::OnDestroy() {
  if ((GetStyle() & LVS_TYPEMASK) == LVS_REPORT) WriteColumnState();
  CloseSharedCellEditors();
  Default();
}

// Written for whoever reads it; the module never reads it back.
void CMyListCtrl::WriteColumnState() const {
  CConfigFile file;
  if (!file.OpenWrite(FormatText("List Control %d Column State", GetDlgCtrlID()).c_str())) return;
  for (int c = 0; c < GetHeaderCtrl()->GetItemCount(); ++c) file.WriteInt(std::to_string(c + 1).c_str(), 0);
  file.Close();
}
