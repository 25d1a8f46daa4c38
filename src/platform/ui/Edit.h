#pragma once
// CEdit: a single-line text field with a selection, a text limit for
// typing, a read-only state, and cut, copy and paste through the clipboard.
// The selection runs from an anchor to the caret, either way round: Shift
// with the arrow, Home and End keys, or a drag with the left button, moves
// the caret and keeps the anchor. Every change of the text sends the parent
// EN_CHANGE; focus changes send EN_SETFOCUS and EN_KILLFOCUS.

#include <algorithm>

#include "frame/Api.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CEdit : public CWnd {
 public:
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

  // The anchor at `start` and the caret at `end`; -1 as the end means the
  // end of the text, -1 as the start removes the selection.
  void SetSel(int start, int end, BOOL noScroll = FALSE);
  // The selection in text order.
  void GetSel(int& start, int& end) const;
  int GetCaret() const { return caret_; }
  void ReplaceSel(std::string_view text, BOOL canUndo = FALSE);
  void SetLimitText(UINT limit);
  void LimitText(int limit = 0) { SetLimitText(static_cast<UINT>(limit)); }
  UINT GetLimitText() const { return limit_; }
  BOOL SetReadOnly(BOOL readOnly = TRUE);
  bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
  void Cut() { SendMessage(WM_CUT); }
  void Copy() { SendMessage(WM_COPY); }
  void Paste() { SendMessage(WM_PASTE); }
  void Clear() { SendMessage(WM_CLEAR); }
  // The character index under a point of the client area, and the point
  // (left edge, top) of a character index.
  int CharFromPos(CPoint point) const;
  CPoint PosFromChar(UINT index) const;

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CheckInvariants(std::vector<std::string>& problems) const override;

 protected:
  void TakeStateFrom(CWnd& standIn) override;

 private:
  // Puts text in place of the selection, within the limit; true on change.
  bool Insert(std::string_view text);
  void OnCharacter(char c);
  void OnKey(UINT key);
  // Moves the caret; without Shift the anchor follows it.
  void MoveCaret(int caret);
  int SelectionStart() const { return std::min(anchor_, caret_); }
  int SelectionEnd() const { return std::max(anchor_, caret_); }
  void SetTextFromWindow(const char* text);
  void ChangeText(std::string text, int caret);
  std::string SelectedText() const;

  int anchor_ = 0;
  int caret_ = 0;
  UINT limit_ = 30000;
};

// Control characters that typing produces with Ctrl held.
inline constexpr char kCtrlA = 0x01;
inline constexpr char kCtrlC = 0x03;
inline constexpr char kCtrlV = 0x16;
inline constexpr char kCtrlX = 0x18;
