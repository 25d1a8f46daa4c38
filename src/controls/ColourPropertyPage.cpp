#include "controls/ColourPropertyPage.h"

CColourPropertyPage::CColourPropertyPage(UINT templateId, UINT captionId) : WithDarkLook(templateId, captionId) {}
