#pragma once
// The install dialog of a wreck data package: the wreck picture, the data's
// attribution notice, and Accept or Decline.

#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "frame/Api.h"
#include "platform/ui/Toolkit.h"

// The attribution notice of the bundled data; "%d" takes the current year.
extern const char kWreckDataNotice[];

class OVERLAYS_API CWreckSplashDlg : public CColourDialogEx {
 public:
  explicit CWreckSplashDlg(CWnd* parent = nullptr);
  ~CWreckSplashDlg() override;

  BOOL OnInitDialog() override;
  void OnDestroy();
  CBrush* OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);

  const CColourButton& AcceptButton() const { return accept_; }
  const CColourButton& DeclineButton() const { return decline_; }
  const CFont& TitleFont() const { return titleFont_; }
  const CFont& ButtonFont() const { return buttonFont_; }
  const MessageMap& GetMessageMap() const override;

 private:
  CColourButton accept_;
  CColourButton decline_;
  CStatic title_;
  CStatic notice_;
  CFont titleFont_;
  CFont buttonFont_;
};
