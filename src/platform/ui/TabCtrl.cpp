#include "platform/ui/TabCtrl.h"

BOOL CTabCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::TabControl, "", style, rect, parent, id);
}

void CTabCtrl::TakeStateFrom(CWnd& standIn) {
  if (auto* other = dynamic_cast<CTabCtrl*>(&standIn)) {
    captions_ = other->captions_;
    curSel_ = other->curSel_;
  }
}

int CTabCtrl::InsertItem(int index, std::string_view caption) {
  if (index < 0 || index > GetItemCount()) index = GetItemCount();
  captions_.insert(captions_.begin() + index, std::string(caption));
  if (curSel_ < 0) curSel_ = 0;
  else if (curSel_ >= index) ++curSel_;
  Invalidate();
  return index;
}

BOOL CTabCtrl::DeleteItem(int index) {
  if (index < 0 || index >= GetItemCount()) return FALSE;
  captions_.erase(captions_.begin() + index);
  if (curSel_ >= GetItemCount() || curSel_ == index) curSel_ = GetItemCount() ? 0 : -1;
  else if (curSel_ > index) --curSel_;
  Invalidate();
  return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
  captions_.clear();
  curSel_ = -1;
  Invalidate();
  return TRUE;
}

int CTabCtrl::SetCurSel(int index) {
  if (index < 0 || index >= GetItemCount()) return -1;
  const int previous = curSel_;
  curSel_ = index;
  Invalidate();
  return previous;
}

std::string CTabCtrl::GetItemText(int index) const {
  return index >= 0 && index < GetItemCount() ? captions_[static_cast<std::size_t>(index)] : std::string();
}

LRESULT CTabCtrl::Notify(UINT code) {
  CWnd* parent = GetParent();
  if (!parent) return 0;
  NMHDR header{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), code};
  return parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&header));
}

bool CTabCtrl::ChooseByUser(int index) {
  if (index < 0 || index >= GetItemCount() || index == curSel_) return false;
  if (Notify(TCN_SELCHANGING) != 0) return false;
  SetCurSel(index);
  Notify(TCN_SELCHANGE);
  return true;
}

void CTabCtrl::CheckInvariants(std::vector<std::string>& problems) const {
  CWnd::CheckInvariants(problems);
  if (curSel_ < -1 || curSel_ >= GetItemCount() || (curSel_ == -1 && GetItemCount() > 0))
    problems.push_back("tab control " + std::to_string(GetDlgCtrlID()) + ": current tab " + std::to_string(curSel_) +
                       " of " + std::to_string(GetItemCount()));
}

std::vector<std::string> CTabCtrl::AccessibleRows() const { return captions_; }

bool CTabCtrl::ChooseRowByUser(int index, bool) {
  if (index < 0 || index >= GetItemCount()) return false;
  ChooseByUser(index);
  return true;
}
