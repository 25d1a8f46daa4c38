#pragma once
// CColourPropertyPage: the base of every property page of the module, with
// the dark look; pages also give button backgrounds the look's brush.

#include "controls/DarkLook.h"
#include "frame/Api.h"
#include "platform/ui/PropertyPage.h"

class OVERLAYS_API CColourPropertyPage : public CPropertyPage {
 public:
  explicit CColourPropertyPage(UINT templateId, UINT captionId = 0);

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
