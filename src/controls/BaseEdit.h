#pragma once
// CBaseEdit: what the module's angle and number fields share. Such a field
// may be given its value, its validity and its read-only state before its
// window exists, and shows them when the window comes. Taking the focus
// selects the whole text (and so does the first click after it); a right
// click offers Cut, Copy and Paste; an invalid field shows "n/a" and is
// disabled. Enter may stand for Tab.
//
// In-place mode: created by CreateInPlace over a cell of a list control,
// the field edits that one cell and goes away when it loses the focus,
// after sending the list's parent LVN_ENDLABELEDIT with the row, column
// and text (no text when Escape cancelled it; the item's lParam is 1 when
// Tab ended it). Enter, Tab and Escape end the edit.

#include <string>
#include <string_view>

#include "controls/MyToolTip.h"
#include "frame/Api.h"
#include "platform/ui/Edit.h"

// What kind of value a field holds.
enum class EditKind { Angle = 1, Latitude = 9, Longitude = 10, Number = 15 };

// Ids of the context menu's items.
inline constexpr UINT kEditMenuCut = 100;
inline constexpr UINT kEditMenuCopy = 101;
inline constexpr UINT kEditMenuPaste = 102;
// The control id of a field created in place.
inline constexpr UINT kInPlaceEditId = 1000;

class OVERLAYS_API CBaseEdit : public CEdit {
 public:
  explicit CBaseEdit(EditKind kind);
  ~CBaseEdit() override;

  EditKind GetEditKind() const { return kind_; }

  // An invalid field shows "n/a" and is disabled; a valid one shows its
  // value again.
  virtual void SetValid(BOOL valid);
  bool IsValid() const { return valid_; }
  void SetReadOnly(BOOL readOnly);
  bool IsReadOnly() const { return readOnly_; }
  void SetEnterAsTab(bool enterAsTab) { enterAsTab_ = enterAsTab; }
  void SetSelectOnClick(bool selectOnClick) { selectOnClick_ = selectOnClick; }
  // Set when a value waits for the window, and when typing changed it.
  bool IsPending() const { return pending_; }

  // In-place mode: the cell to edit and the text it starts with, then the
  // window over the cell (`rect` in the list's client coordinates).
  void SetCell(int item, int subItem, std::string_view startText);
  virtual BOOL CreateInPlace(const CRect& rect, CWnd* list);
  bool IsInPlace() const { return inPlace_; }
  bool EndedByTab() const { return endedByTab_; }
  bool Cancelled() const { return cancelled_; }

  const CMyToolTip& ToolTip() const { return toolTip_; }

  BOOL PreTranslateMessage(MSG* msg) override;
  const MessageMap& GetMessageMap() const override;

 protected:
  // Shows the value the field holds (its own formatting).
  virtual void ShowValue() = 0;
  // The field's own cut and paste, which keep its text well-formed.
  virtual void CutSelection() = 0;
  virtual void PasteClipboard() = 0;
  // A typed character other than the clipboard's keys, in a field that
  // is not read-only, with the selection it replaces.
  virtual void TypeCharacter(char ch, int selStart, int selEnd) = 0;
  // Typed characters (the clipboard's keys first) and keys.
  void OnChar(UINT ch, UINT repeat, UINT flags);
  virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
  // Called after the common steps of taking and losing the focus.
  virtual void OnFocusTaken() {}
  virtual void OnFocusLost() {}

  // Shows a text when the window exists, else keeps it for Create.
  void ShowText(std::string_view text);
  void SetPending(bool pending) { pending_ = pending; }
  bool IsCreated() const { return created_; }
  void InstallToolTip(std::string_view text);
  // Posts the parent UM_EDIT_ANGLE (angle fields) and UM_EDIT_UPDATE.
  void PostValueChanged(bool angle);
  // Ends an in-place edit by handing the focus back to the list.
  void EndInPlaceEdit(bool cancelled, bool byTab);
  // Whole text selected, with the caret scrolled into view.
  void SelectAll();
  // An in-place field grows to its text, within the list.
  void WidenToText();

  void OnWindowCreated() override;

 private:
  void OnSetFocus(CWnd* old);
  void OnKillFocus(CWnd* next);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnRButtonDown(UINT flags, CPoint point);
  LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
  void OnDestroy();
  void ShowContextMenu();
  void ApplyStoredState();
  void StartInPlace();
  void SendEndLabelEdit();
  bool TranslateInPlaceKey(MSG& msg);

  EditKind kind_;
  bool inPlace_ = false;
  int item_ = 0;
  int subItem_ = 0;
  bool endedByTab_ = false;
  bool cancelled_ = false;
  bool valid_ = true;
  bool readOnly_ = false;
  bool pending_ = false;
  bool enterAsTab_ = false;
  bool created_ = false;
  bool focusClick_ = false;
  bool selectOnClick_ = true;
  std::string startText_;
  CMyToolTip toolTip_;
};
