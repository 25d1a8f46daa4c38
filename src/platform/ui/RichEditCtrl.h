#pragma once
// CRichEditCtrl: a text field for long free text. It edits as CEdit does;
// with ES_MULTILINE it holds several lines, and with ES_WANTRETURN as well
// Enter starts a new line instead of pressing the dialog's default button.
// Lines are broken by "\n", as the module's text is everywhere else.

#include "frame/Api.h"
#include "platform/ui/Edit.h"

class OVERLAYS_API CRichEditCtrl : public CEdit {
 public:
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

  int GetTextLength() const { return GetWindowTextLength(); }
  // At least 1: an empty field has one empty line.
  int GetLineCount() const;

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool TakesEnter() const;
};
