#pragma once
// CEdit: a single-line text field with a selection (the caret is the
// selection's end), a text limit for typing, a read-only state, and cut,
// copy and paste through the clipboard. Every change of the text sends the
// parent EN_CHANGE; focus changes send EN_SETFOCUS and EN_KILLFOCUS.

#include "frame/Api.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CEdit : public CWnd {
 public:
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void GetSel(int& start, int& end) const;
  int GetCaret() const { return selEnd_; }
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
  // The character index under a point of the client area.
  int CharFromPos(CPoint point) const;

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CheckInvariants(std::vector<std::string>& problems) const override;

 protected:
  void TakeStateFrom(CWnd& standIn) override;

 private:
  // Puts text in place of the selection, within the limit; true on change.
  bool Insert(std::string_view text);
  void OnCharacter(char c);
  void OnKey(UINT key);
  void SetTextFromWindow(const char* text);
  void ChangeText(std::string text, int caret);
  std::string SelectedText() const;

  int selStart_ = 0;
  int selEnd_ = 0;
  UINT limit_ = 30000;
};

// Control characters that typing produces with Ctrl held.
inline constexpr char kCtrlA = 0x01;
inline constexpr char kCtrlC = 0x03;
inline constexpr char kCtrlV = 0x16;
inline constexpr char kCtrlX = 0x18;
