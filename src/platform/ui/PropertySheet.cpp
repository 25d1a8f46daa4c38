#include "platform/ui/PropertySheet.h"

#include <algorithm>

#include "platform/ui/ResourceChain.h"

namespace {

using platform::ui::PixelsFromUnitsX;
using platform::ui::PixelsFromUnitsY;

// The frame in dialog units: the margin around the tab control, the height
// of its tab row, the inset of the pages inside it, and the size of a page
// whose template is missing.
constexpr int kMarginUnits = 7;
constexpr int kTabRowUnits = 14;
constexpr int kPageInsetUnits = 3;
constexpr int kFallbackPageUnitsX = 212;
constexpr int kFallbackPageUnitsY = 150;
constexpr int kButtonGapPixels = 6;

struct StandardButton {
  int id;
  const char* text;
  DWORD extraStyle;
};
// Right to left along the bottom.
constexpr StandardButton kButtons[] = {
    {IDHELP, "Help", 0},
    {ID_APPLY_NOW, "&Apply", WS_DISABLED},
    {IDCANCEL, "Cancel", 0},
    {IDOK, "OK", BS_DEFPUSHBUTTON},
};

CSize PageSize(const CPropertyPage& page) {
  const platform::ui::DialogTemplate* dialog = platform::ui::ResourceChain::FindDialog(page.TemplateId());
  const int cx = dialog ? dialog->rect.cx : kFallbackPageUnitsX;
  const int cy = dialog ? dialog->rect.cy : kFallbackPageUnitsY;
  return {PixelsFromUnitsX(cx), PixelsFromUnitsY(cy)};
}

}  // namespace

CPropertySheet::CPropertySheet(std::string_view caption, CWnd* parent, UINT selectPage)
    : CDialog(0, parent), caption_(caption), startPage_(selectPage) {}

CSize CPropertySheet::StandardButtonSize() { return {PixelsFromUnitsX(50), PixelsFromUnitsY(14)}; }

const MessageMap& CPropertySheet::GetMessageMap() const {
  using H = Handlers<CPropertySheet>;
  static const MessageMap map(&CDialog::GetMessageMap(), {
      H::Notify(TCN_SELCHANGING, AFX_IDC_TAB_CONTROL, &CPropertySheet::OnTabChanging),
      H::Notify(TCN_SELCHANGE, AFX_IDC_TAB_CONTROL, &CPropertySheet::OnTabChanged),
  });
  return map;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (!page) return;
  pages_.push_back(page);
  if (tab_.m_hWnd) tab_.InsertItem(GetPageCount() - 1, page->Caption());
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

void CPropertySheet::SetTitle(std::string_view caption) {
  caption_ = caption;
  if (m_hWnd) SetWindowText(caption);
}

CRect CPropertySheet::PageArea() const {
  CRect tab;
  tab_.GetWindowRect(&tab);
  const int insetX = PixelsFromUnitsX(kPageInsetUnits);
  const int insetY = PixelsFromUnitsY(kPageInsetUnits);
  return CRect(tab.left + insetX, tab.top + PixelsFromUnitsY(kTabRowUnits), tab.right - insetX, tab.bottom - insetY);
}

BOOL CPropertySheet::CreateDialogWindow(CWnd* parent, DWORD extraStyle) {
  CSize page{PixelsFromUnitsX(kFallbackPageUnitsX), PixelsFromUnitsY(kFallbackPageUnitsY)};
  if (!pages_.empty()) page = CSize{};
  for (const CPropertyPage* p : pages_) {
    const CSize size = PageSize(*p);
    page = {std::max(page.cx, size.cx), std::max(page.cy, size.cy)};
  }
  const int marginX = PixelsFromUnitsX(kMarginUnits);
  const int marginY = PixelsFromUnitsY(kMarginUnits);
  const CRect tabRect(marginX, marginY, marginX + page.cx + 2 * PixelsFromUnitsX(kPageInsetUnits),
                      marginY + PixelsFromUnitsY(kTabRowUnits) + page.cy + PixelsFromUnitsY(kPageInsetUnits));
  const CSize button = StandardButtonSize();
  const int buttonTop = tabRect.bottom + marginY;
  const CRect client(0, 0, tabRect.right + marginX, buttonTop + button.cy + marginY);

  if (!dialogFont_.IsCreated()) dialogFont_.CreatePointFont(80, "MS Shell Dlg");
  if (!CWnd::Create(caption_, WS_POPUP | WS_CAPTION | WS_SYSMENU | extraStyle, client, parent, 0)) return FALSE;
  SetFont(&dialogFont_, FALSE);
  tab_.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, tabRect, this, AFX_IDC_TAB_CONTROL);
  int right = tabRect.right;
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    const CRect rect(right - button.cx, buttonTop, right, buttonTop + button.cy);
    buttons_[i].Create(kButtons[i].text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | kButtons[i].extraStyle, rect, this,
                       static_cast<UINT>(kButtons[i].id));
    right = rect.left - kButtonGapPixels;
  }
  return TRUE;
}

BOOL CPropertySheet::OnInitDialog() {
  CDialog::OnInitDialog();
  for (int i = 0; i < GetPageCount(); ++i) tab_.InsertItem(i, pages_[static_cast<std::size_t>(i)]->Caption());
  const int start = static_cast<int>(startPage_) < GetPageCount() ? static_cast<int>(startPage_) : 0;
  Activate(start);
  return TRUE;
}

bool CPropertySheet::Activate(int index) {
  CPropertyPage* next = GetPage(index);
  if (!next) return false;
  if (!next->m_hWnd && !next->CreatePage(this, PageArea())) return false;
  if (CPropertyPage* current = GetActivePage(); current && current != next && current->m_hWnd)
    current->ShowWindow(SW_HIDE);
  active_ = index;
  tab_.SetCurSel(index);
  next->ShowWindow(SW_SHOW);
  next->OnSetActive();
  return true;
}

BOOL CPropertySheet::SetActivePage(int index) {
  if (!GetPage(index)) return FALSE;
  if (!m_hWnd) {
    startPage_ = static_cast<UINT>(index);
    return TRUE;
  }
  if (index == active_) return TRUE;
  if (CPropertyPage* current = GetActivePage(); current && !current->OnKillActive()) return FALSE;
  return Activate(index) ? TRUE : FALSE;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  return it == pages_.end() ? FALSE : SetActivePage(static_cast<int>(it - pages_.begin()));
}

void CPropertySheet::OnTabChanging(NMHDR*, LRESULT* result) {
  CPropertyPage* current = GetActivePage();
  *result = current && !current->OnKillActive() ? TRUE : FALSE;
}

void CPropertySheet::OnTabChanged(NMHDR*, LRESULT*) { Activate(tab_.GetCurSel()); }

void CPropertySheet::OnOK() {
  if (CPropertyPage* current = GetActivePage(); current && !current->OnKillActive()) return;
  for (CPropertyPage* page : pages_)
    if (page->m_hWnd) page->OnOK();
  EndDialog(IDOK);
}

void CPropertySheet::OnCancel() {
  for (CPropertyPage* page : pages_)
    if (page->m_hWnd) page->OnCancel();
  EndDialog(IDCANCEL);
}
