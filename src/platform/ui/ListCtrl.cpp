#include "platform/ui/ListCtrl.h"

#include <algorithm>
#include <utility>

#include "platform/ui/TextMetrics.h"

namespace {
// Room around a line of text in a row, and the width a column gets when
// none is given: its heading plus this much.
constexpr int kRowPadding = 4;
constexpr int kHeadingPadding = 12;
}  // namespace

NMLVDISPINFO EndLabelEditInfo(const CWnd& list, int row, int column) {
  NMLVDISPINFO info;
  info.hdr = NMHDR{list.m_hWnd, static_cast<UINT_PTR>(list.GetDlgCtrlID()), LVN_ENDLABELEDIT};
  info.item.mask = LVIF_TEXT;
  info.item.iItem = row;
  info.item.iSubItem = column;
  return info;
}

CListCtrl::~CListCtrl() {
  if (m_hWnd) DestroyWindow();
}

BOOL CListCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::ListView, "", style, rect, parent, id);
}

void CListCtrl::OnWindowCreated() {
  if (header_->m_hWnd) return;
  CRect client;
  GetClientRect(&client);
  header_->Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, client.right, RowHeight()), this, 0);
}

void CListCtrl::TakeStateFrom(CWnd& standIn) {
  if (auto* other = dynamic_cast<CListCtrl*>(&standIn)) {
    header_->items_ = other->header_->items_;
    scrollX_ = other->scrollX_;
    background_ = other->background_;
    text_ = other->text_;
    textBackground_ = other->textBackground_;
    rows_ = other->rows_;
    extended_ = other->extended_;
    std::copy(std::begin(other->images_), std::end(other->images_), std::begin(images_));
  }
}

int CListCtrl::RowHeight() const { return platform::ui::LineHeight(GetFont()) + kRowPadding; }

int CListCtrl::HeaderHeight() const {
  if (!header_->m_hWnd) return RowHeight();
  CRect rect;
  header_->GetWindowRect(&rect);
  return rect.Height();
}

BOOL CListCtrl::SubclassHeader(CHeaderCtrl& header) {
  if (&header == header_ || header.m_hWnd) return FALSE;
  header.items_ = std::move(header_->items_);
  CRect rect(0, 0, 0, RowHeight());
  if (header_->m_hWnd) {
    header_->GetWindowRect(&rect);
    header_->DestroyWindow();
  }
  header_ = &header;
  if (m_hWnd) header.Create("", WS_CHILD | WS_VISIBLE, rect, this, 0);
  return TRUE;
}

BOOL CListCtrl::Scroll(CSize size) {
  int width = 0;
  for (const HDITEM& column : header_->items_) width += column.cxy;
  CRect client;
  GetClientRect(&client);
  scrollX_ = std::clamp(scrollX_ + size.cx, 0, std::max(width - client.right, 0));
  Invalidate();
  return TRUE;
}

BOOL CListCtrl::SetBkColor(COLORREF colour) {
  background_ = colour;
  Invalidate();
  return TRUE;
}

BOOL CListCtrl::SetTextColor(COLORREF colour) {
  text_ = colour;
  Invalidate();
  return TRUE;
}

BOOL CListCtrl::SetTextBkColor(COLORREF colour) {
  textBackground_ = colour;
  Invalidate();
  return TRUE;
}

int CListCtrl::InsertColumn(int index, std::string_view heading, int format, int width) {
  auto& columns = header_->items_;
  index = std::clamp(index, 0, GetColumnCount());
  HDITEM column;
  column.pszText = heading;
  column.fmt = format;
  column.cxy = width >= 0 ? width : platform::ui::TextExtent(GetFont(), heading).cx + kHeadingPadding;
  columns.insert(columns.begin() + index, column);
  for (Row& row : rows_)
    if (static_cast<int>(row.cells.size()) > index) row.cells.insert(row.cells.begin() + index, Cell{});
  Invalidate();
  return index;
}

BOOL CListCtrl::DeleteColumn(int index) {
  auto& columns = header_->items_;
  if (index < 0 || index >= GetColumnCount()) return FALSE;
  columns.erase(columns.begin() + index);
  for (Row& row : rows_)
    if (static_cast<int>(row.cells.size()) > index) row.cells.erase(row.cells.begin() + index);
  Invalidate();
  return TRUE;
}

int CListCtrl::GetColumnWidth(int index) const {
  return index >= 0 && index < GetColumnCount() ? header_->items_[static_cast<std::size_t>(index)].cxy : 0;
}

int CListCtrl::GetStringWidth(std::string_view text) const { return platform::ui::TextExtent(GetFont(), text).cx; }

int CListCtrl::AutoWidth(int index, bool useHeading) const {
  int width = 0;
  if (useHeading) {
    width = GetStringWidth(header_->items_[static_cast<std::size_t>(index)].pszText) + kHeadingPadding;
    if (index == GetColumnCount() - 1) {
      CRect client;
      GetClientRect(&client);
      int left = 0;
      for (int c = 0; c < index; ++c) left += GetColumnWidth(c);
      width = std::max(width, client.right - left);
    }
    return width;
  }
  for (int row = 0; row < GetItemCount(); ++row)
    width = std::max(width, GetStringWidth(GetItemText(row, index)) + kHeadingPadding);
  return width;
}

BOOL CListCtrl::SetColumnWidth(int index, int width) {
  if (index < 0 || index >= GetColumnCount()) return FALSE;
  if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER)
    width = AutoWidth(index, width == LVSCW_AUTOSIZE_USEHEADER);
  header_->items_[static_cast<std::size_t>(index)].cxy = std::max(width, 0);
  Invalidate();
  return TRUE;
}

int CListCtrl::InsertItem(int index, std::string_view text, int image) {
  LVITEM item;
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = text;
  item.iImage = image;
  return InsertItem(&item);
}

int CListCtrl::InsertItem(const LVITEM* item) {
  if (!item) return -1;
  const int index = std::clamp(item->iItem, 0, GetItemCount());
  Row row;
  row.cells.resize(static_cast<std::size_t>(std::max(GetColumnCount(), 1)));
  if (item->mask & LVIF_TEXT) row.cells[0].text = item->pszText;
  if (item->mask & LVIF_IMAGE) row.cells[0].image = item->iImage;
  if (item->mask & LVIF_PARAM) row.data = static_cast<UINT_PTR>(item->lParam);
  if (item->mask & LVIF_STATE) row.state = item->state & item->stateMask;
  rows_.insert(rows_.begin() + index, std::move(row));
  Invalidate();
  return index;
}

BOOL CListCtrl::DeleteItem(int index) {
  if (index < 0 || index >= GetItemCount()) return FALSE;
  rows_.erase(rows_.begin() + index);
  Invalidate();
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
  rows_.clear();
  Invalidate();
  return TRUE;
}

CListCtrl::Cell* CListCtrl::CellAt(int index, int subItem) {
  if (index < 0 || index >= GetItemCount() || subItem < 0 || subItem >= std::max(GetColumnCount(), 1)) return nullptr;
  Row& row = rows_[static_cast<std::size_t>(index)];
  if (static_cast<int>(row.cells.size()) <= subItem) row.cells.resize(static_cast<std::size_t>(subItem) + 1);
  return &row.cells[static_cast<std::size_t>(subItem)];
}

BOOL CListCtrl::SetItemText(int index, int subItem, std::string_view text) {
  Cell* cell = CellAt(index, subItem);
  if (!cell) return FALSE;
  cell->text = text;
  Invalidate();
  return TRUE;
}

std::string CListCtrl::GetItemText(int index, int subItem) const {
  if (index < 0 || index >= GetItemCount() || subItem < 0) return {};
  const Row& row = rows_[static_cast<std::size_t>(index)];
  return subItem < static_cast<int>(row.cells.size()) ? row.cells[static_cast<std::size_t>(subItem)].text : "";
}

BOOL CListCtrl::SetItem(const LVITEM* item) {
  Cell* cell = item ? CellAt(item->iItem, item->iSubItem) : nullptr;
  if (!cell) return FALSE;
  if (item->mask & LVIF_TEXT) cell->text = item->pszText;
  if (item->mask & LVIF_IMAGE) cell->image = item->iImage;
  if (item->mask & LVIF_PARAM) rows_[static_cast<std::size_t>(item->iItem)].data = static_cast<UINT_PTR>(item->lParam);
  if (item->mask & LVIF_STATE) ChangeState(item->iItem, item->state, item->stateMask);
  Invalidate();
  return TRUE;
}

BOOL CListCtrl::GetItem(LVITEM* item) const {
  if (!item || item->iItem < 0 || item->iItem >= GetItemCount() || item->iSubItem < 0) return FALSE;
  const Row& row = rows_[static_cast<std::size_t>(item->iItem)];
  const bool hasCell = item->iSubItem < static_cast<int>(row.cells.size());
  if (item->mask & LVIF_TEXT) item->pszText = hasCell ? row.cells[static_cast<std::size_t>(item->iSubItem)].text : "";
  if (item->mask & LVIF_IMAGE) item->iImage = hasCell ? row.cells[static_cast<std::size_t>(item->iSubItem)].image : -1;
  if (item->mask & LVIF_PARAM) item->lParam = static_cast<LPARAM>(row.data);
  if (item->mask & LVIF_STATE) item->state = row.state & item->stateMask;
  return TRUE;
}

BOOL CListCtrl::SetItemData(int index, UINT_PTR data) {
  if (index < 0 || index >= GetItemCount()) return FALSE;
  rows_[static_cast<std::size_t>(index)].data = data;
  return TRUE;
}

UINT_PTR CListCtrl::GetItemData(int index) const {
  return index >= 0 && index < GetItemCount() ? rows_[static_cast<std::size_t>(index)].data : 0;
}

void CListCtrl::ChangeState(int index, UINT state, UINT mask) {
  Row& row = rows_[static_cast<std::size_t>(index)];
  const UINT before = row.state;
  row.state = (row.state & ~mask) | (state & mask);
  // One focused row; one selected row in a single-selection list.
  for (int i = 0; i < GetItemCount(); ++i) {
    if (i == index) continue;
    Row& other = rows_[static_cast<std::size_t>(i)];
    if ((row.state & LVIS_FOCUSED) && (mask & LVIS_FOCUSED)) other.state &= ~LVIS_FOCUSED;
    if ((GetStyle() & LVS_SINGLESEL) && (row.state & LVIS_SELECTED) && (mask & LVIS_SELECTED) &&
        (other.state & LVIS_SELECTED)) {
      other.state &= ~LVIS_SELECTED;
      Notify(LVN_ITEMCHANGED, i);
    }
  }
  if (row.state == before) return;
  Invalidate();
  Notify(LVN_ITEMCHANGED, index);
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
  if (index == -1) {
    for (int i = 0; i < GetItemCount(); ++i) ChangeState(i, state, mask);
    return TRUE;
  }
  if (index < 0 || index >= GetItemCount()) return FALSE;
  ChangeState(index, state, mask);
  Invalidate();
  return TRUE;
}

UINT CListCtrl::GetItemState(int index, UINT mask) const {
  return index >= 0 && index < GetItemCount() ? rows_[static_cast<std::size_t>(index)].state & mask : 0;
}

int CListCtrl::GetNextItem(int start, UINT flags) const {
  const UINT wanted = (flags & LVNI_SELECTED ? LVIS_SELECTED : 0) | (flags & LVNI_FOCUSED ? LVIS_FOCUSED : 0);
  for (int i = std::max(start + 1, 0); i < GetItemCount(); ++i)
    if ((rows_[static_cast<std::size_t>(i)].state & wanted) == wanted) return i;
  return -1;
}

UINT CListCtrl::GetSelectedCount() const {
  return static_cast<UINT>(
      std::count_if(rows_.begin(), rows_.end(), [](const Row& r) { return (r.state & LVIS_SELECTED) != 0; }));
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) { return std::exchange(extended_, style); }

CImageList* CListCtrl::SetImageList(CImageList* images, int which) {
  if (which != LVSIL_NORMAL && which != LVSIL_SMALL) return nullptr;
  return std::exchange(images_[which], images);
}

CImageList* CListCtrl::GetImageList(int which) const {
  return which == LVSIL_NORMAL || which == LVSIL_SMALL ? images_[which] : nullptr;
}

BOOL CListCtrl::GetItemRect(int index, CRect* rect) const {
  if (!rect || index < 0 || index >= GetItemCount()) return FALSE;
  int width = 0;
  for (const HDITEM& column : header_->items_) width += column.cxy;
  const int top = HeaderHeight() + RowHeight() * index;
  *rect = CRect(-scrollX_, top, width - scrollX_, top + RowHeight());
  return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int index, int subItem, CRect* rect) const {
  if (!GetItemRect(index, rect) || subItem < 0 || subItem >= GetColumnCount()) return FALSE;
  int left = rect->left;
  for (int c = 0; c < subItem; ++c) left += GetColumnWidth(c);
  rect->left = left;
  rect->right = left + GetColumnWidth(subItem);
  return TRUE;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info) const {
  if (!info) return -1;
  const int row = (info->pt.y - HeaderHeight()) / RowHeight();
  const int x = info->pt.x + scrollX_;
  info->iItem = -1;
  info->iSubItem = 0;
  info->flags = LVHT_NOWHERE;
  if (info->pt.y < HeaderHeight() || row >= GetItemCount() || x < 0) return -1;
  for (int c = 0, left = 0; c < GetColumnCount(); left += GetColumnWidth(c), ++c)
    if (x < left + GetColumnWidth(c)) {
      info->iItem = row;
      info->iSubItem = c;
      info->flags = LVHT_ONITEM;
      return row;
    }
  return -1;
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const { return SubItemHitTest(info); }

LRESULT CListCtrl::Notify(UINT code, int item, int subItem, CPoint point) {
  CWnd* parent = GetParent();
  if (!parent || !m_hWnd) return 0;
  NMLISTVIEW info;
  info.hdr = NMHDR{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), code};
  info.iItem = item;
  info.iSubItem = subItem;
  info.ptAction = point;
  return parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&info));
}

NMLVCUSTOMDRAW CListCtrl::CustomDrawCell(int index, int subItem) {
  NMLVCUSTOMDRAW draw;
  draw.hdr = NMHDR{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), NM_CUSTOMDRAW};
  draw.dwItemSpec = static_cast<UINT_PTR>(index);
  draw.iSubItem = subItem;
  draw.clrText = text_;
  draw.clrTextBk = textBackground_;
  const auto lParam = reinterpret_cast<LPARAM>(&draw);
  // Without a parent the list's own class still has its say.
  LRESULT ignored = 0;
  if (CWnd* parent = GetParent(); parent && m_hWnd)
    parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), lParam);
  else
    OnChildNotify(WM_NOTIFY, 0, lParam, &ignored);
  return draw;
}

void CListCtrl::ClickRow(int index, UINT message, WPARAM keys) {
  SetFocus();
  CRect rect;
  const bool onRow = GetItemRect(index, &rect);
  const bool toggle = (keys & MK_CONTROL) && message == WM_LBUTTONDOWN && !(GetStyle() & LVS_SINGLESEL);
  if (onRow && toggle) {
    SetItemState(-1, 0, LVIS_FOCUSED);
    SetItemState(index, (GetItemState(index, LVIS_SELECTED) ^ LVIS_SELECTED) | LVIS_FOCUSED,
                 LVIS_SELECTED | LVIS_FOCUSED);
  } else if (onRow && message != WM_LBUTTONDBLCLK) {
    SetItemState(-1, 0, LVIS_SELECTED);
    SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  const UINT code = message == WM_LBUTTONDBLCLK ? NM_DBLCLK : message == WM_RBUTTONDOWN ? NM_RCLICK : NM_CLICK;
  Notify(code, onRow ? index : -1, 0, onRow ? rect.TopLeft() : CPoint{});
}

bool CListCtrl::ChooseRowByUser(int index, bool doubleClick) {
  if (index < 0 || index >= GetItemCount()) return false;
  ClickRow(index, WM_LBUTTONDOWN);
  if (doubleClick) ClickRow(index, WM_LBUTTONDBLCLK);
  return true;
}

LRESULT CListCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN) {
    LVHITTESTINFO info;
    info.pt = CPoint::FromLParam(lParam);
    ClickRow(SubItemHitTest(&info), message, wParam);
    return 0;
  }
  if (message == WM_KEYDOWN) {
    CWnd* parent = GetParent();
    if (!parent || !m_hWnd) return 0;
    NMLVKEYDOWN key;
    key.hdr = NMHDR{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), LVN_KEYDOWN};
    key.wVKey = static_cast<WORD>(wParam);
    parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&key));
    return 0;
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}

std::vector<std::string> CListCtrl::AccessibleRows() const {
  // A row reads as its cells separated by tabs.
  std::vector<std::string> rows;
  for (int i = 0; i < GetItemCount(); ++i) {
    std::string text;
    for (int c = 0; c < std::max(GetColumnCount(), 1); ++c) text += (c ? "\t" : "") + GetItemText(i, c);
    rows.push_back(std::move(text));
  }
  return rows;
}

void CListCtrl::CheckInvariants(std::vector<std::string>& problems) const {
  CWnd::CheckInvariants(problems);
  const std::string name = "list " + std::to_string(GetDlgCtrlID());
  int focused = 0;
  for (int i = 0; i < GetItemCount(); ++i) {
    const Row& row = rows_[static_cast<std::size_t>(i)];
    if (row.state & LVIS_FOCUSED) ++focused;
    if (static_cast<int>(row.cells.size()) > std::max(GetColumnCount(), 1))
      problems.push_back(name + ": row " + std::to_string(i) + " has more cells than columns");
  }
  if (focused > 1) problems.push_back(name + ": " + std::to_string(focused) + " rows have the focus");
  if ((GetStyle() & LVS_SINGLESEL) && GetSelectedCount() > 1)
    problems.push_back(name + ": several rows selected in a single-selection list");
}
