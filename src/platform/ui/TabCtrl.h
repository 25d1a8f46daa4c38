#pragma once
// CTabCtrl: tab captions with one current tab. A user's choice asks the
// parent first (TCN_SELCHANGING, a non-zero answer refuses) and then tells
// it (TCN_SELCHANGE); SetCurSel from code notifies nobody.

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CTabCtrl : public CWnd {
 public:
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);
  int InsertItem(int index, std::string_view caption);
  BOOL DeleteItem(int index);
  BOOL DeleteAllItems();
  int GetItemCount() const { return static_cast<int>(captions_.size()); }
  int GetCurSel() const { return curSel_; }
  int SetCurSel(int index);
  std::string GetItemText(int index) const;
  // What a user's click on a tab does; false when the parent refused.
  bool ChooseByUser(int index);

  void CheckInvariants(std::vector<std::string>& problems) const override;
  std::vector<std::string> AccessibleRows() const override;
  int AccessibleSelection() const override { return curSel_; }
  bool ChooseRowByUser(int index, bool doubleClick) override;

 protected:
  void TakeStateFrom(CWnd& standIn) override;

 private:
  LRESULT Notify(UINT code);
  std::vector<std::string> captions_;
  int curSel_ = -1;
};
