#pragma once
// CComboBox: a list of texts with one current selection, shown as a drop-
// down list (CBS_DROPDOWNLIST: the text is the selected item's) or with an
// edit field (CBS_DROPDOWN). Sorted when created with CBS_SORT. Choosing an
// entry by keyboard or through the drop-down sends the parent CBN_SELCHANGE.

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/StringItems.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CComboBox : public CWnd {
 public:
  CComboBox();
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

  int AddString(std::string_view text);
  int InsertString(int index, std::string_view text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const { return items_.Count(); }
  int GetCurSel() const { return items_.Selection(); }
  // CB_ERR (and no selection) for an index outside the list.
  int SetCurSel(int index);
  int GetLBText(int index, std::string& text) const;
  std::string GetLBText(int index) const;
  int GetLBTextLen(int index) const;
  int FindString(int start, std::string_view prefix) const { return items_.FindPrefix(start, prefix); }
  int FindStringExact(int start, std::string_view text) const { return items_.FindExact(start, text); }
  int SelectString(int start, std::string_view prefix);
  int SetItemData(int index, UINT_PTR data);
  UINT_PTR GetItemData(int index) const;
  void ShowDropDown(BOOL show = TRUE);
  BOOL GetDroppedState() const { return dropped_ ? TRUE : FALSE; }
  bool IsDropDownList() const { return (GetStyle() & 0x3) == CBS_DROPDOWNLIST; }
  std::vector<std::string> Texts() const { return items_.Texts(); }

  // What a user does: opens the list, picks the entry and closes the list,
  // with the notifications in the platform's order.
  void ChooseByUser(int index);

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CheckInvariants(std::vector<std::string>& problems) const override;
  std::vector<std::string> AccessibleRows() const override;
  int AccessibleSelection() const override { return GetCurSel(); }
  bool ChooseRowByUser(int index, bool doubleClick) override;

 protected:
  void OnWindowCreated() override;
  void TakeStateFrom(CWnd& standIn) override;
  void SyncText();
  platform::ui::StringItems items_;

 private:
  void MoveSelectionByKey(UINT key);
  void SelectByCharacter(char c);

  bool dropped_ = false;
};
