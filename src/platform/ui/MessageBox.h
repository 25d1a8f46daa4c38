#pragma once
// CMessageBox: the window system's modal message box. Its text, caption
// and style bits (MB_ buttons, icon and default button) are kept as given;
// it is an ordinary modal dialog built by code, so the automation hook
// answers it as it answers any dialog (read the text at kTextId, click a
// button by its IDOK, IDYES ... id) and DoModal returns the id of the
// button pressed.
//
// Closing the box (Escape, the close box, or, headless, a loop nothing can
// wake) gives the answer of its Cancel button when it has one, IDOK for a
// box with only OK, and the cautious choice of the others: IDNO for Yes/No,
// IDABORT for Abort/Retry/Ignore.

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

class OVERLAYS_API CMessageBox : public CDialog {
 public:
  // The id of the static control that shows the text.
  static constexpr int kTextId = 0xFFFF;

  CMessageBox(std::string text, std::string caption, UINT style, CWnd* parent = nullptr);

  const std::string& Text() const { return text_; }
  UINT Style() const { return style_; }
  // MB_ICONERROR, MB_ICONQUESTION, MB_ICONWARNING, MB_ICONINFORMATION or 0.
  UINT Icon() const { return style_ & MB_ICONMASK; }
  // The ids of the buttons, left to right.
  std::vector<int> Buttons() const;
  // What closing the box answers.
  int CloseAnswer() const;
  // The button that Enter presses: the one MB_DEFBUTTONn names, else the last.
  int DefaultButton() const;

  int DoModal() override;
  BOOL OnInitDialog() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnCancel() override;

 protected:
  BOOL CreateDialogWindow(CWnd* parent, DWORD extraStyle) override;

 private:
  bool HasButton(int id) const;

  std::string text_;
  std::string caption_;
  UINT style_;
  std::vector<platform::ui::DialogItemTemplate> items_;
};

// Shows a modal message box; the id of the button that answered it.
OVERLAYS_API int MessageBox(CWnd* parent, const std::string& text, const std::string& caption, UINT style);
