#pragma once
// The dark look (see DarkLook) added to a toolkit window class: its colour
// accessors and its answer to the control-colour request, one table entry
// in front of the base class's message table. The colour dialog, page and
// sheet are this over the toolkit's dialog, page and sheet.

#include "controls/DarkLook.h"
#include "platform/ui/MessageMap.h"

template <class Base, LookOwner kOwner>
class WithDarkLook : public Base {
 public:
  using Base::Base;

  void SetDark(BYTE dark) { look_.SetDark(dark); }
  BYTE GetDark() const { return look_.Dark(); }
  COLORREF GetBackgroundColour() const { return look_.Background(); }
  COLORREF GetTextColour() const { return look_.Text(); }
  CBrush* GetBackgroundBrush() { return look_.Brush(); }

  const MessageMap& GetMessageMap() const override {
    using H = Handlers<WithDarkLook>;
    static const MessageMap map(&Base::GetMessageMap(), {H::CtlColor(&WithDarkLook::OnCtlColor)});
    return map;
  }

 protected:
  CBrush* OnCtlColor(CDC* dc, CWnd*, UINT ctlColor) { return look_.Answer(kOwner, dc, ctlColor); }

 private:
  DarkLook look_;
};
