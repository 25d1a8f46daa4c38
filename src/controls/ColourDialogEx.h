#pragma once
// CColourDialogEx: the base of every dialog of the module, giving it the
// dark look through the control-colour request.

#include "controls/WithDarkLook.h"
#include "frame/Api.h"
#include "platform/ui/Dialog.h"

class OVERLAYS_API CColourDialogEx : public WithDarkLook<CDialog, LookOwner::Dialog> {
 public:
  explicit CColourDialogEx(UINT templateId, CWnd* parent = nullptr);
};
