#pragma once
// CWreckPropertyPage: what the four pages of the wreck property sheet share.
// A page shows one record and never changes it; it fills its fields each
// time it becomes active, and draws every value field that holds text in
// black on yellow, so that the eye finds at once what a record tells.

#include <span>

#include "controls/ColourPropertyPage.h"
#include "frame/Api.h"
#include "wrecks/WreckRecord.h"

// One value field of a page.
struct WreckPageField {
  int id;             // the control that shows the value
  const char* label;  // the text beside it on the page, or its group's caption
  bool highlighted;   // black on yellow while it holds text
};

class OVERLAYS_API CWreckPropertyPage : public CColourPropertyPage {
 public:
  static constexpr COLORREF kHighlightText = RGB(0, 0, 0);
  static constexpr COLORREF kHighlightBackground = RGB(255, 255, 0);

  CWreckPropertyPage(UINT templateId, const WreckDef* wreck, std::span<const WreckPageField> fields);

  BOOL OnSetActive() override;
  // The page's value fields in the order it shows them.
  std::span<const WreckPageField> Fields() const { return fields_; }
  const MessageMap& GetMessageMap() const override;

 protected:
  virtual void ShowRecord(const WreckDef& wreck) = 0;
  CBrush* OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);

 private:
  bool IsHighlighted(const CWnd* control) const;

  const WreckDef* wreck_;
  std::span<const WreckPageField> fields_;
  CBrush highlight_{kHighlightBackground};
};
