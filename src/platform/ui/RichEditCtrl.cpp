#include "platform/ui/RichEditCtrl.h"

#include <algorithm>

BOOL CRichEditCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::RichEdit, "", style, rect, parent, id);
}

int CRichEditCtrl::GetLineCount() const {
  const std::string text = GetWindowText();
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

bool CRichEditCtrl::TakesEnter() const {
  const DWORD style = GetStyle();
  return (style & ES_MULTILINE) && (style & ES_WANTRETURN) && !IsReadOnly();
}

LRESULT CRichEditCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      // Enter has to reach the field rather than the dialog's default button.
      if (TakesEnter() && wParam == VK_RETURN) return DLGC_WANTALLKEYS;
      return CEdit::DefWindowProc(message, wParam, lParam);
    case WM_CHAR:
      if (wParam == '\r' && TakesEnter()) {
        ReplaceSel("\n");
        return 0;
      }
      return CEdit::DefWindowProc(message, wParam, lParam);
    default:
      return CEdit::DefWindowProc(message, wParam, lParam);
  }
}
