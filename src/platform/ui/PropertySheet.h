#pragma once
// CPropertySheet: a modal dialog of pages under a tab control (id
// AFX_IDC_TAB_CONTROL) with the standard OK, Cancel, Apply and Help
// buttons along the bottom. Pages are created when first shown; changing
// tab asks the active page first (OnKillActive), then shows the other and
// tells it (OnSetActive). OK reaches every created page, then ends the
// sheet with IDOK; Cancel likewise with IDCANCEL.

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/TabCtrl.h"

class OVERLAYS_API CPropertySheet : public CDialog {
 public:
  explicit CPropertySheet(std::string_view caption = {}, CWnd* parent = nullptr, UINT selectPage = 0);

  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  CPropertyPage* GetPage(int index) const;
  CPropertyPage* GetActivePage() const { return GetPage(active_); }
  int GetActiveIndex() const { return active_; }
  BOOL SetActivePage(int index);
  BOOL SetActivePage(CPropertyPage* page);
  CTabCtrl* GetTabControl() { return tab_.m_hWnd ? &tab_ : nullptr; }
  void SetTitle(std::string_view caption);

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  const MessageMap& GetMessageMap() const override;

  // The standard button size (50 by 14 dialog units) in pixels.
  static CSize StandardButtonSize();

 protected:
  BOOL CreateDialogWindow(CWnd* parent, DWORD extraStyle) override;

 private:
  void OnTabChanging(NMHDR* header, LRESULT* result);
  void OnTabChanged(NMHDR* header, LRESULT* result);
  bool Activate(int index);
  CRect PageArea() const;

  std::string caption_;
  UINT startPage_;
  std::vector<CPropertyPage*> pages_;
  int active_ = -1;
  CTabCtrl tab_;
  CButton buttons_[4];
};
