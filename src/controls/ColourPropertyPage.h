#pragma once
// CColourPropertyPage: the base of every property page of the module, with
// the dark look; pages also give button backgrounds the look's brush.

#include "controls/WithDarkLook.h"
#include "frame/Api.h"
#include "platform/ui/PropertyPage.h"

class OVERLAYS_API CColourPropertyPage : public WithDarkLook<CPropertyPage, LookOwner::PageOrSheet> {
 public:
  explicit CColourPropertyPage(UINT templateId, UINT captionId = 0);
};
