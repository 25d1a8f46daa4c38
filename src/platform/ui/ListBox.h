#pragma once
// CListBox: a list of texts with one selection (LBS_NOTIFY sends the parent
// LBN_SELCHANGE on a user's choice and LBN_DBLCLK on a double-click).

#include "frame/Api.h"
#include "platform/ui/StringItems.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CListBox : public CWnd {
 public:
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);
  int AddString(std::string_view text);
  int InsertString(int index, std::string_view text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const { return items_.Count(); }
  int GetCurSel() const { return items_.Selection(); }
  int SetCurSel(int index);
  int GetText(int index, std::string& text) const;
  std::string GetText(int index) const;
  int FindString(int start, std::string_view prefix) const { return items_.FindPrefix(start, prefix); }
  int FindStringExact(int start, std::string_view text) const { return items_.FindExact(start, text); }
  int SelectString(int start, std::string_view prefix);
  int SetItemData(int index, UINT_PTR data);
  UINT_PTR GetItemData(int index) const;
  std::vector<std::string> Texts() const { return items_.Texts(); }

  // What a user does: a click on the entry (and a second one).
  void ChooseByUser(int index, bool doubleClick);

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CheckInvariants(std::vector<std::string>& problems) const override;
  std::vector<std::string> AccessibleRows() const override;
  int AccessibleSelection() const override { return GetCurSel(); }
  bool ChooseRowByUser(int index, bool doubleClick) override;

 protected:
  void OnWindowCreated() override;
  void TakeStateFrom(CWnd& standIn) override;

 private:
  void NotifyIfAsked(UINT code);
  platform::ui::StringItems items_;
};
