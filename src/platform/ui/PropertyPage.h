#pragma once
// CPropertyPage: one page of a property sheet, a child dialog built from
// its template when the sheet first shows it. Its caption is the tab text.

#include "frame/Api.h"
#include "platform/ui/Dialog.h"

class CPropertySheet;

class OVERLAYS_API CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId, UINT captionId = 0);

  // Activation: a page may refuse to be left (OnKillActive false).
  virtual BOOL OnSetActive() { return TRUE; }
  virtual BOOL OnKillActive() { return TRUE; }
  // The sheet's OK and Cancel reach every page that was created; a page
  // does not end anything itself.
  void OnOK() override {}
  void OnCancel() override {}
  // The caption of the page's template (its tab text), before creation too.
  std::string Caption() const;
  CPropertySheet* Sheet() const { return sheet_; }

 private:
  friend class CPropertySheet;
  BOOL CreatePage(CPropertySheet* sheet, const CRect& area);
  CPropertySheet* sheet_ = nullptr;
};
