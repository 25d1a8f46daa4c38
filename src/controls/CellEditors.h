#pragma once
// The cell editors of the module's lists: a text editor (optionally
// limited to some characters), a masked latitude/longitude editor, a
// drop-down of choices and a "..." button. One of each serves every list of
// the thread; each is opened over a cell, edits it, tells the list how the
// edit ended (LVN_ENDLABELEDIT from the list to itself: the row, the column
// and the text, or the start text when Escape cancelled it) and closes.
// Enter and Escape give the focus back to the list, which ends the edit.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/AngleTyping.h"
#include "frame/Api.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBoxEx.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"

class CImageList;

// The control ids of the editors while they are open.
inline constexpr UINT kCellButtonId = 1000;
inline constexpr UINT kCellTextId = 1001;
inline constexpr UINT kCellAngleId = 1002;
inline constexpr UINT kCellChoiceId = 1003;

// The cell an editor edits and how its edit ends: Enter keeps the edit,
// Escape cancels it, and both hand the focus back to the list.
class OVERLAYS_API CellEdit {
 public:
  void Begin(int row, int column, std::string_view text);
  // True when the key ends the edit (the focus has gone back).
  bool EndKey(UINT key, CWnd& editor);
  // The end of the edit as the list hears it: `text`, or the start text
  // when cancelled or when there is none.
  NMLVDISPINFO End(const CWnd& list, std::optional<std::string> text) const;
  int Row() const { return row_; }
  int Column() const { return column_; }
  bool Cancelled() const { return cancelled_; }

 private:
  int row_ = -1;
  int column_ = -1;
  bool cancelled_ = false;
  std::string startText_;
};

// A text editor over a cell.
class OVERLAYS_API CInPlaceCellEdit : public CEdit {
 public:
  // Opens over `rect` (the list's client coordinates) with the list's font
  // and `text` all selected, and takes the focus.
  BOOL Open(CListCtrl& list, const CRect& rect, DWORD style, UINT id, int row, int column, std::string_view text);
  const CellEdit& Cell() const { return cell_; }

  const MessageMap& GetMessageMap() const override;

 private:
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
  void OnKillFocus(CWnd* next);

  CellEdit cell_;
};

// Free text, or only the allowed characters: others are refused with a
// warning beep, and a paste only goes in when all of it is allowed.
class OVERLAYS_API CInPlaceEdit : public CInPlaceCellEdit {
 public:
  void SetAllowed(std::string_view allowed) { allowed_ = allowed; }
  const std::string& Allowed() const { return allowed_; }
  const MessageMap& GetMessageMap() const override;

 private:
  bool IsAllowed(std::string_view text) const;
  void OnChar(UINT ch, UINT repeat, UINT flags);
  LRESULT OnPaste(WPARAM wParam, LPARAM lParam);

  std::string allowed_;
};

// A latitude (kind 5) or longitude (kind 6) cell in the list's angle
// format, typed with the masked rules of the angle fields; the default
// hemisphere is N or E and no user setting is read.
class OVERLAYS_API CInPlaceAngleEdit : public CInPlaceCellEdit {
 public:
  void SetAngle(int kind, int format);
  AngleFieldLayout Layout() const;
  const MessageMap& GetMessageMap() const override;

 private:
  void OnChar(UINT ch, UINT repeat, UINT flags);

  int kind_ = 5;
  int format_ = 0;
};

// A choice from a drop-down list, optionally with an image per choice; the
// edit ends when the list closes (or the focus goes).
class OVERLAYS_API CInPlaceCombo : public CComboBoxEx {
 public:
  BOOL Open(CListCtrl& list, const CRect& rect, DWORD style, int row, int column, std::string_view text,
            const std::vector<std::string>& items, CImageList* images);
  const CellEdit& Cell() const { return cell_; }
  const MessageMap& GetMessageMap() const override;

 private:
  bool HasImages() const;
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
  void OnCloseUp();
  void OnKillFocus(CWnd* next);
  void EndEdit();

  CellEdit cell_;
  bool ending_ = false;
};

// The "..." button at the right end of a button cell; the list reports
// its clicks to its parent with the cell.
class OVERLAYS_API CInPlaceButton : public CButton {
 public:
  BOOL Show(CListCtrl& list, const CRect& cell, DWORD style);
};

// The editors of the calling thread, made on first use.
struct CellEditors {
  CInPlaceEdit edit;
  CInPlaceAngleEdit angle;
  CInPlaceCombo combo;
  CInPlaceButton button;
};
OVERLAYS_API CellEditors& SharedCellEditors();
// Closes every editor's window (a list going away takes them all down).
OVERLAYS_API void CloseSharedCellEditors();
