#include "wrecks/WreckPropertyPage.h"

#include <algorithm>
#include <string_view>

#include "platform/ui/MessageMap.h"

namespace {

// Blank lines and spaces alone are no value worth the eye.
bool HoldsText(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") != std::string_view::npos;
}

}  // namespace

CWreckPropertyPage::CWreckPropertyPage(UINT templateId, const WreckDef* wreck, std::span<const WreckPageField> fields)
    : CColourPropertyPage(templateId), wreck_(wreck), fields_(fields) {}

BOOL CWreckPropertyPage::OnSetActive() {
  if (wreck_) ShowRecord(*wreck_);
  return CColourPropertyPage::OnSetActive();
}

bool CWreckPropertyPage::IsHighlighted(const CWnd* control) const {
  if (!control || !control->IsChildOf(this)) return false;
  const int id = control->GetDlgCtrlID();
  const bool listed = std::ranges::any_of(fields_, [id](const WreckPageField& f) { return f.id == id && f.highlighted; });
  return listed && HoldsText(control->GetWindowText());
}

CBrush* CWreckPropertyPage::OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor) {
  if (!IsHighlighted(control)) return CColourPropertyPage::OnCtlColor(dc, control, ctlColor);
  if (dc) {
    dc->SetTextColor(kHighlightText);
    dc->SetBkColor(kHighlightBackground);
  }
  return &highlight_;
}

const MessageMap& CWreckPropertyPage::GetMessageMap() const {
  using H = Handlers<CWreckPropertyPage>;
  static const MessageMap map(&CColourPropertyPage::GetMessageMap(), {
      H::CtlColor(&CWreckPropertyPage::OnCtlColor),
  });
  return map;
}
