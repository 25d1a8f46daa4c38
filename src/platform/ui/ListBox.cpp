#include "platform/ui/ListBox.h"

#include <algorithm>

BOOL CListBox::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::ListBox, "", style, rect, parent, id);
}

void CListBox::OnWindowCreated() { items_.SetSorted((GetStyle() & LBS_SORT) != 0); }

void CListBox::TakeStateFrom(CWnd& standIn) {
  if (auto* other = dynamic_cast<CListBox*>(&standIn)) items_ = other->items_;
}

int CListBox::AddString(std::string_view text) {
  const int at = items_.Add({std::string(text)});
  Invalidate();
  return at;
}

int CListBox::InsertString(int index, std::string_view text) {
  const int at = items_.Insert(index, {std::string(text)});
  Invalidate();
  return at < 0 ? LB_ERR : at;
}

int CListBox::DeleteString(UINT index) {
  if (!items_.Erase(static_cast<int>(index))) return LB_ERR;
  Invalidate();
  return items_.Count();
}

void CListBox::ResetContent() {
  items_.Clear();
  Invalidate();
}

int CListBox::SetCurSel(int index) {
  const bool selected = items_.Select(index);
  Invalidate();
  return selected ? index : LB_ERR;
}

int CListBox::GetText(int index, std::string& text) const {
  const platform::ui::StringItem* item = items_.At(index);
  if (!item) return LB_ERR;
  text = item->text;
  return static_cast<int>(text.size());
}

std::string CListBox::GetText(int index) const {
  std::string text;
  GetText(index, text);
  return text;
}

int CListBox::SelectString(int start, std::string_view prefix) {
  const int index = items_.FindPrefix(start, prefix);
  return index < 0 ? LB_ERR : SetCurSel(index);
}

int CListBox::SetItemData(int index, UINT_PTR data) {
  platform::ui::StringItem* item = items_.At(index);
  if (!item) return LB_ERR;
  item->data = data;
  return 0;
}

UINT_PTR CListBox::GetItemData(int index) const {
  const platform::ui::StringItem* item = items_.At(index);
  return item ? item->data : static_cast<UINT_PTR>(LB_ERR);
}

void CListBox::NotifyIfAsked(UINT code) {
  if (GetStyle() & LBS_NOTIFY) NotifyParent(code);
}

void CListBox::ChooseByUser(int index, bool doubleClick) {
  SetFocus();
  if (!items_.Valid(index)) return;
  if (index != GetCurSel()) {
    SetCurSel(index);
    NotifyIfAsked(LBN_SELCHANGE);
  }
  if (doubleClick) NotifyIfAsked(LBN_DBLCLK);
}

LRESULT CListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && items_.Count() > 0) {
    const int current = GetCurSel();
    int next = current;
    if (wParam == VK_DOWN) next = std::min(current + 1, items_.Count() - 1);
    if (wParam == VK_UP) next = std::max(current - 1, 0);
    if (next != current) {
      SetCurSel(next);
      NotifyIfAsked(LBN_SELCHANGE);
    }
    return 0;
  }
  if (message == WM_LBUTTONDOWN) {
    SetFocus();
    return 0;
  }
  return CWnd::DefWindowProc(message, wParam, lParam);
}

void CListBox::CheckInvariants(std::vector<std::string>& problems) const {
  CWnd::CheckInvariants(problems);
  if (GetCurSel() < -1 || GetCurSel() >= items_.Count())
    problems.push_back("list box " + std::to_string(GetDlgCtrlID()) + ": selection " + std::to_string(GetCurSel()) +
                       " outside the list");
}

std::vector<std::string> CListBox::AccessibleRows() const { return items_.Texts(); }

bool CListBox::ChooseRowByUser(int index, bool doubleClick) {
  if (!items_.Valid(index)) return false;
  ChooseByUser(index, doubleClick);
  return true;
}
