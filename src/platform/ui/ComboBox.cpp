#include "platform/ui/ComboBox.h"

#include <algorithm>

CComboBox::CComboBox() = default;

BOOL CComboBox::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::ComboBox, "", style, rect, parent, id);
}

void CComboBox::OnWindowCreated() { items_.SetSorted((GetStyle() & CBS_SORT) != 0); }

void CComboBox::TakeStateFrom(CWnd& standIn) {
  if (auto* other = dynamic_cast<CComboBox*>(&standIn)) items_ = other->items_;
}

void CComboBox::SyncText() {
  // The drop-down list shows its selection; the edit kind keeps what the
  // user typed unless an entry is chosen.
  if (IsDropDownList() || items_.Selection() >= 0) {
    const platform::ui::StringItem* item = items_.At(items_.Selection());
    CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(item ? item->text.c_str() : ""));
  }
}

int CComboBox::AddString(std::string_view text) {
  const int at = items_.Add({std::string(text)});
  Invalidate();
  return at;
}

int CComboBox::InsertString(int index, std::string_view text) {
  const int at = items_.Insert(index, {std::string(text)});
  Invalidate();
  return at < 0 ? CB_ERR : at;
}

int CComboBox::DeleteString(UINT index) {
  if (!items_.Erase(static_cast<int>(index))) return CB_ERR;
  SyncText();
  Invalidate();
  return items_.Count();
}

void CComboBox::ResetContent() {
  items_.Clear();
  SyncText();
  Invalidate();
}

int CComboBox::SetCurSel(int index) {
  const bool selected = items_.Select(index);
  SyncText();
  Invalidate();
  return selected ? index : CB_ERR;
}

int CComboBox::GetLBText(int index, std::string& text) const {
  const platform::ui::StringItem* item = items_.At(index);
  if (!item) return CB_ERR;
  text = item->text;
  return static_cast<int>(text.size());
}

std::string CComboBox::GetLBText(int index) const {
  std::string text;
  GetLBText(index, text);
  return text;
}

int CComboBox::GetLBTextLen(int index) const {
  const platform::ui::StringItem* item = items_.At(index);
  return item ? static_cast<int>(item->text.size()) : CB_ERR;
}

int CComboBox::SelectString(int start, std::string_view prefix) {
  const int index = items_.FindPrefix(start, prefix);
  if (index < 0) return CB_ERR;
  return SetCurSel(index);
}

int CComboBox::SetItemData(int index, UINT_PTR data) {
  platform::ui::StringItem* item = items_.At(index);
  if (!item) return CB_ERR;
  item->data = data;
  return 0;
}

UINT_PTR CComboBox::GetItemData(int index) const {
  const platform::ui::StringItem* item = items_.At(index);
  return item ? item->data : static_cast<UINT_PTR>(CB_ERR);
}

void CComboBox::ShowDropDown(BOOL show) {
  if (dropped_ == (show != FALSE)) return;
  dropped_ = show != FALSE;
  NotifyParent(dropped_ ? CBN_DROPDOWN : CBN_CLOSEUP);
}

void CComboBox::ChooseByUser(int index) {
  SetFocus();
  ShowDropDown(TRUE);
  const int before = GetCurSel();
  SetCurSel(index);
  if (GetCurSel() != before) NotifyParent(CBN_SELCHANGE);
  NotifyParent(CBN_SELENDOK);
  ShowDropDown(FALSE);
}

void CComboBox::MoveSelectionByKey(UINT key) {
  if (items_.Count() == 0) return;
  const int current = GetCurSel();
  int next = current;
  if (key == VK_DOWN) next = std::min(current + 1, items_.Count() - 1);
  if (key == VK_UP) next = std::max(current - 1, 0);
  if (key == VK_HOME) next = 0;
  if (key == VK_END) next = items_.Count() - 1;
  if (next == current) return;
  SetCurSel(next);
  NotifyParent(CBN_SELCHANGE);
}

void CComboBox::SelectByCharacter(char c) {
  const int index = items_.FindPrefix(GetCurSel(), std::string(1, c));
  if (index < 0 || index == GetCurSel()) return;
  SetCurSel(index);
  NotifyParent(CBN_SELCHANGE);
}

LRESULT CComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      NotifyParent(CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      ShowDropDown(FALSE);
      NotifyParent(CBN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus();
      ShowDropDown(!dropped_);
      return 0;
    case WM_KEYDOWN:
      MoveSelectionByKey(static_cast<UINT>(wParam));
      return 0;
    case WM_CHAR:
      if (IsDropDownList()) {
        SelectByCharacter(static_cast<char>(wParam));
      } else if (wParam >= 0x20) {
        CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>((GetWindowText() + static_cast<char>(wParam)).c_str()));
        NotifyParent(CBN_EDITCHANGE);
      }
      return 0;
    case WM_SETTEXT:
      if (IsDropDownList()) return SelectString(-1, lParam ? reinterpret_cast<const char*>(lParam) : "") != CB_ERR;
      return CWnd::DefWindowProc(message, wParam, lParam);
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}

void CComboBox::CheckInvariants(std::vector<std::string>& problems) const {
  CWnd::CheckInvariants(problems);
  const std::string name = "combo box " + std::to_string(GetDlgCtrlID());
  const int selection = GetCurSel();
  if (selection < -1 || selection >= items_.Count())
    problems.push_back(name + ": selection " + std::to_string(selection) + " outside 0.." +
                       std::to_string(items_.Count() - 1));
  if (IsDropDownList() && items_.Valid(selection) && GetWindowText() != items_.At(selection)->text)
    problems.push_back(name + ": text differs from the selected entry");
}

std::vector<std::string> CComboBox::AccessibleRows() const { return items_.Texts(); }

bool CComboBox::ChooseRowByUser(int index, bool) {
  if (!items_.Valid(index)) return false;
  ChooseByUser(index);
  return true;
}
