#include "platform/ui/PropertyPage.h"

#include "platform/ui/PropertySheet.h"
#include "platform/ui/ResourceChain.h"

CPropertyPage::CPropertyPage(UINT templateId, UINT) : CDialog(templateId, nullptr) {}

std::string CPropertyPage::Caption() const {
  if (m_hWnd) return GetWindowText();
  const platform::ui::DialogTemplate* dialog = platform::ui::ResourceChain::FindDialog(TemplateId());
  return dialog ? std::string(dialog->caption) : std::string();
}

BOOL CPropertyPage::CreatePage(CPropertySheet* sheet, const CRect& area) {
  sheet_ = sheet;
  if (!CreateDialogWindow(sheet, WS_CHILD)) return FALSE;
  CRect rect;
  GetWindowRect(&rect);
  MoveWindow(CRect(area.left, area.top, area.left + rect.Width(), area.top + rect.Height()), FALSE);
  SendMessage(WM_INITDIALOG);
  return TRUE;
}
