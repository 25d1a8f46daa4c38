#include "platform/ui/Edit.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/Clipboard.h"
#include "platform/ui/TextMetrics.h"

BOOL CEdit::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::Edit, "", style, rect, parent, id);
}

void CEdit::TakeStateFrom(CWnd& standIn) {
  if (auto* other = dynamic_cast<CEdit*>(&standIn)) {
    anchor_ = other->anchor_;
    caret_ = other->caret_;
    limit_ = other->limit_;
  }
}

void CEdit::SetSel(int start, int end, BOOL) {
  const int length = GetWindowTextLength();
  if (start == -1) {
    anchor_ = caret_;
    return;
  }
  if (end < 0) end = length;
  anchor_ = std::clamp(start, 0, length);
  caret_ = std::clamp(end, 0, length);
  Invalidate();
}

void CEdit::GetSel(int& start, int& end) const {
  start = SelectionStart();
  end = SelectionEnd();
}

std::string CEdit::SelectedText() const {
  return GetWindowText().substr(static_cast<std::size_t>(SelectionStart()),
                                static_cast<std::size_t>(SelectionEnd() - SelectionStart()));
}

void CEdit::MoveCaret(int caret) {
  caret_ = std::clamp(caret, 0, GetWindowTextLength());
  if (GetKeyState(static_cast<int>(VK_SHIFT)) >= 0) anchor_ = caret_;
  Invalidate();
}

void CEdit::ChangeText(std::string text, int caret) {
  CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  anchor_ = caret_ = std::clamp(caret, 0, static_cast<int>(text.size()));
  NotifyParent(EN_CHANGE);
}

bool CEdit::Insert(std::string_view text) {
  const std::string current = GetWindowText();
  const int start = SelectionStart();
  const int end = SelectionEnd();
  const std::size_t kept = current.size() - static_cast<std::size_t>(end - start);
  const std::size_t room = kept >= limit_ ? 0 : limit_ - kept;
  if (text.size() > room) {
    NotifyParent(EN_MAXTEXT);
    text = text.substr(0, room);
  }
  if (text.empty() && start == end) return false;
  std::string next = current.substr(0, static_cast<std::size_t>(start));
  next += text;
  next += current.substr(static_cast<std::size_t>(end));
  ChangeText(std::move(next), start + static_cast<int>(text.size()));
  return true;
}

void CEdit::ReplaceSel(std::string_view text, BOOL) { Insert(text); }

void CEdit::SetLimitText(UINT limit) { limit_ = limit == 0 ? 0x7FFFFFFE : limit; }

BOOL CEdit::SetReadOnly(BOOL readOnly) {
  ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
  return TRUE;
}

int CEdit::CharFromPos(CPoint point) const {
  const int width = platform::ui::CharWidth(GetFont());
  return std::clamp((point.x + width / 2) / width, 0, GetWindowTextLength());
}

CPoint CEdit::PosFromChar(UINT index) const {
  return CPoint(static_cast<int>(index) * platform::ui::CharWidth(GetFont()), 0);
}

void CEdit::SetTextFromWindow(const char* text) {
  // Setting the text puts the caret at the start and reports a change, as
  // the platform's edit does.
  CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  anchor_ = caret_ = 0;
  NotifyParent(EN_CHANGE);
}

void CEdit::OnCharacter(char c) {
  if (c == kCtrlC) {
    Copy();
    return;
  }
  if (c == kCtrlA) {
    SetSel(0, -1);
    return;
  }
  if (IsReadOnly()) return;
  if (c == kCtrlV) return Paste();
  if (c == kCtrlX) return Cut();
  if (c == '\b') {
    if (anchor_ == caret_ && caret_ > 0) anchor_ = caret_ - 1;
    Insert("");
    return;
  }
  const auto u = static_cast<unsigned char>(c);
  if (u < 0x20) return;  // Enter, Tab, Escape: the dialog's, not the text's
  if ((GetStyle() & ES_NUMBER) && !std::isdigit(u)) return;
  if (GetStyle() & ES_UPPERCASE) c = static_cast<char>(std::toupper(u));
  Insert(std::string(1, c));
}

void CEdit::OnKey(UINT key) {
  const int length = GetWindowTextLength();
  const bool extending = GetKeyState(static_cast<int>(VK_SHIFT)) < 0;
  switch (key) {
    case VK_LEFT:
      // An arrow without Shift first collapses a selection to its edge.
      MoveCaret(!extending && anchor_ != caret_ ? SelectionStart() : caret_ - 1);
      break;
    case VK_RIGHT:
      MoveCaret(!extending && anchor_ != caret_ ? SelectionEnd() : caret_ + 1);
      break;
    case VK_HOME:
      MoveCaret(0);
      break;
    case VK_END:
      MoveCaret(length);
      break;
    case VK_DELETE:
      if (IsReadOnly()) break;
      if (anchor_ == caret_ && caret_ < length) caret_ += 1;
      Insert("");
      break;
    default:
      break;
  }
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      OnCharacter(static_cast<char>(wParam));
      return 0;
    case WM_KEYDOWN:
      OnKey(static_cast<UINT>(wParam));
      return 0;
    case WM_SETTEXT:
      SetTextFromWindow(lParam ? reinterpret_cast<const char*>(lParam) : "");
      return TRUE;
    case WM_SETFOCUS:
      NotifyParent(EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      NotifyParent(EN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus();
      MoveCaret(CharFromPos(CPoint::FromLParam(lParam)));
      return 0;
    case WM_MOUSEMOVE:
      // A drag with the button down selects from where it was pressed.
      if (wParam & MK_LBUTTON) caret_ = CharFromPos(CPoint::FromLParam(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      SetSel(0, -1);
      return 0;
    case WM_COPY:
      if (anchor_ != caret_) platform::ui::Clipboard::SetText(SelectedText());
      return 0;
    case WM_CUT:
      if (IsReadOnly() || anchor_ == caret_) return 0;
      platform::ui::Clipboard::SetText(SelectedText());
      Insert("");
      return 0;
    case WM_PASTE:
      if (!IsReadOnly())
        if (auto text = platform::ui::Clipboard::GetText()) Insert(*text);
      return 0;
    case WM_CLEAR:
      if (!IsReadOnly()) Insert("");
      return 0;
    case EM_SETSEL:
      SetSel(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case EM_GETSEL:
      return MAKELPARAM(static_cast<unsigned>(SelectionStart()), static_cast<unsigned>(SelectionEnd()));
    case EM_REPLACESEL:
      Insert(lParam ? reinterpret_cast<const char*>(lParam) : "");
      return 0;
    case EM_LIMITTEXT:
      SetLimitText(static_cast<UINT>(wParam));
      return 0;
    case EM_GETLIMITTEXT:
      return limit_;
    case EM_SETREADONLY:
      return SetReadOnly(static_cast<BOOL>(wParam));
    case EM_CHARFROMPOS:
      return CharFromPos(CPoint::FromLParam(lParam));
    case EM_POSFROMCHAR:
      return PosFromChar(static_cast<UINT>(wParam)).ToLParam();
    case EM_SCROLLCARET:
      return TRUE;
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}

void CEdit::CheckInvariants(std::vector<std::string>& problems) const {
  CWnd::CheckInvariants(problems);
  if (SelectionStart() < 0 || SelectionEnd() > GetWindowTextLength())
    problems.push_back("edit " + std::to_string(GetDlgCtrlID()) + ": selection " + std::to_string(anchor_) + ".." +
                       std::to_string(caret_) + " outside its text of " + std::to_string(GetWindowTextLength()));
}
