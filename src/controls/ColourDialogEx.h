#pragma once
// CColourDialogEx: the base of every dialog of the module, giving it the
// dark look (see DarkLook) through the control-colour request.

#include "controls/DarkLook.h"
#include "frame/Api.h"
#include "platform/ui/Dialog.h"

class OVERLAYS_API CColourDialogEx : public CDialog {
 public:
  explicit CColourDialogEx(UINT templateId, CWnd* parent = nullptr);

  void SetDark(BYTE dark) { look_.SetDark(dark); }
  BYTE GetDark() const { return look_.Dark(); }
  COLORREF GetBackgroundColour() const { return look_.Background(); }
  COLORREF GetTextColour() const { return look_.Text(); }
  CBrush* GetBackgroundBrush() { return look_.Brush(); }

  const MessageMap& GetMessageMap() const override;

 protected:
  CBrush* OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);

 private:
  DarkLook look_;
};
