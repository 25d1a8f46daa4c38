#pragma once
// The install dialog of a wind farm data package: the wind farm picture
// and Accept or Decline.

#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "frame/Api.h"
#include "platform/ui/Toolkit.h"

class OVERLAYS_API CWindFarmSplash : public CColourDialogEx {
 public:
  explicit CWindFarmSplash(CWnd* parent = nullptr);
  ~CWindFarmSplash() override;

  BOOL OnInitDialog() override;

  const CColourButton& AcceptButton() const { return accept_; }
  const CColourButton& DeclineButton() const { return decline_; }

 private:
  CColourButton accept_;
  CColourButton decline_;
};
