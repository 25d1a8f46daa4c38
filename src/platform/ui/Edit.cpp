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
    selStart_ = other->selStart_;
    selEnd_ = other->selEnd_;
    limit_ = other->limit_;
  }
}

void CEdit::SetSel(int start, int end, BOOL) {
  const int length = GetWindowTextLength();
  // -1 as the start removes the selection; -1 as the end means the end.
  if (start == -1) {
    selStart_ = selEnd_;
    return;
  }
  if (end < 0) end = length;
  selStart_ = std::clamp(std::min(start, end), 0, length);
  selEnd_ = std::clamp(std::max(start, end), 0, length);
  Invalidate();
}

void CEdit::GetSel(int& start, int& end) const {
  start = selStart_;
  end = selEnd_;
}

std::string CEdit::SelectedText() const {
  return GetWindowText().substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selEnd_ - selStart_));
}

void CEdit::ChangeText(std::string text, int caret) {
  CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  selStart_ = selEnd_ = std::clamp(caret, 0, static_cast<int>(text.size()));
  NotifyParent(EN_CHANGE);
}

bool CEdit::Insert(std::string_view text) {
  const std::string current = GetWindowText();
  const std::size_t kept = current.size() - static_cast<std::size_t>(selEnd_ - selStart_);
  const std::size_t room = kept >= limit_ ? 0 : limit_ - kept;
  if (text.size() > room) {
    NotifyParent(EN_MAXTEXT);
    text = text.substr(0, room);
  }
  if (text.empty() && selStart_ == selEnd_) return false;
  std::string next = current.substr(0, static_cast<std::size_t>(selStart_));
  next += text;
  next += current.substr(static_cast<std::size_t>(selEnd_));
  ChangeText(std::move(next), selStart_ + static_cast<int>(text.size()));
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

void CEdit::SetTextFromWindow(const char* text) {
  // Setting the text puts the caret at the start and reports a change, as
  // the platform's edit does.
  CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  selStart_ = selEnd_ = 0;
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
    if (selStart_ == selEnd_ && selStart_ > 0) selStart_ -= 1;
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
  switch (key) {
    case VK_LEFT:
      selStart_ = selEnd_ = std::max(selEnd_ - 1, 0);
      break;
    case VK_RIGHT:
      selStart_ = selEnd_ = std::min(selEnd_ + 1, length);
      break;
    case VK_HOME:
      selStart_ = selEnd_ = 0;
      break;
    case VK_END:
      selStart_ = selEnd_ = length;
      break;
    case VK_DELETE:
      if (IsReadOnly()) break;
      if (selStart_ == selEnd_ && selEnd_ < length) selEnd_ += 1;
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
      selStart_ = selEnd_ = CharFromPos(CPoint::FromLParam(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      SetSel(0, -1);
      return 0;
    case WM_COPY:
      if (selStart_ != selEnd_) platform::ui::Clipboard::SetText(SelectedText());
      return 0;
    case WM_CUT:
      if (IsReadOnly() || selStart_ == selEnd_) return 0;
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
      return MAKELPARAM(static_cast<unsigned>(selStart_), static_cast<unsigned>(selEnd_));
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
    case EM_SCROLLCARET:
      return TRUE;
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}

void CEdit::CheckInvariants(std::vector<std::string>& problems) const {
  CWnd::CheckInvariants(problems);
  if (selStart_ < 0 || selStart_ > selEnd_ || selEnd_ > GetWindowTextLength())
    problems.push_back("edit " + std::to_string(GetDlgCtrlID()) + ": selection " + std::to_string(selStart_) + ".." +
                       std::to_string(selEnd_) + " outside its text of " + std::to_string(GetWindowTextLength()));
}
