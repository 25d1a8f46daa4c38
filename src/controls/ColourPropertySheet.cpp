#include "controls/ColourPropertySheet.h"

#include "frame/ConfigFile.h"

namespace {

constexpr char kActivePageKey[] = "Active Page";
// The Cancel button follows the Ok button at the platform's button gap.
constexpr int kButtonGap = 6;

}  // namespace

CColourPropertySheet::CColourPropertySheet(std::string_view caption, CWnd* parent, UINT selectPage)
    : WithDarkLook(caption, parent, selectPage) {}

const MessageMap& CColourPropertySheet::GetMessageMap() const {
  using H = Handlers<CColourPropertySheet>;
  static const MessageMap map(&WithDarkLook::GetMessageMap(), {
      H::Message(WM_SHOWWINDOW, &CColourPropertySheet::OnShowWindow),
  });
  return map;
}

std::string CColourPropertySheet::SettingsName() const { return GetWindowText() + "_PS"; }

void CColourPropertySheet::CreateOwnButton(CColourButton& button, const char* text, int id, int& left) {
  CRect client;
  GetClientRect(&client);
  const CSize size = StandardButtonSize();
  const CRect rect(left, client.bottom - kButtonBottom - size.cy, left + size.cx, client.bottom - kButtonBottom);
  button.Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, rect, this, static_cast<UINT>(id));
  button.SetFont(GetFont());
  left = rect.right + kButtonGap;
}

BOOL CColourPropertySheet::OnInitDialog() {
  const BOOL result = WithDarkLook::OnInitDialog();
  for (int id : {IDCANCEL, IDHELP, ID_APPLY_NOW})
    if (CWnd* standard = GetDlgItem(id)) standard->DestroyWindow();
  ModifyStyle(WS_SYSMENU, 0);
  CWnd* standardOk = GetDlgItem(IDOK);
  int left = kButtonLeft;
  if (showOk_) CreateOwnButton(ok_, "Ok", IDOK, left);
  if (showCancel_) CreateOwnButton(cancel_, "Cancel", IDCANCEL, left);
  if (standardOk) standardOk->DestroyWindow();
  return result;
}

LRESULT CColourPropertySheet::OnShowWindow(WPARAM show, LPARAM) {
  if (!show) return 0;
  CConfigFile file;
  if (!file.OpenRead(SettingsName().c_str())) return 0;
  const int page = file.ReadInt(0);
  file.Close();
  if (page >= 0 && page < GetPageCount()) SetActivePage(page);
  return 0;
}

BOOL CColourPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
  CConfigFile file;
  if (file.OpenWrite(SettingsName().c_str())) {
    file.WriteInt(kActivePageKey, GetActiveIndex());
    file.Close();
  }
  return WithDarkLook::OnCommand(wParam, lParam);
}
