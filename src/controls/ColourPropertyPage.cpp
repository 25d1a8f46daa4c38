#include "controls/ColourPropertyPage.h"

CColourPropertyPage::CColourPropertyPage(UINT templateId, UINT captionId) : CPropertyPage(templateId, captionId) {}

const MessageMap& CColourPropertyPage::GetMessageMap() const {
  using H = Handlers<CColourPropertyPage>;
  static const MessageMap map(&CPropertyPage::GetMessageMap(), {H::CtlColor(&CColourPropertyPage::OnCtlColor)});
  return map;
}

CBrush* CColourPropertyPage::OnCtlColor(CDC* dc, CWnd*, UINT ctlColor) {
  return look_.Answer(LookOwner::PageOrSheet, dc, ctlColor);
}
