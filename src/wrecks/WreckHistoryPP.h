#pragma once
// CWreckHistoryPP: the history page of the wreck property sheet: when the
// wreck sank, was reported and was last amended, and its history text.

#include "frame/Api.h"
#include "wrecks/WreckPropertyPage.h"

class OVERLAYS_API CWreckHistoryPP : public CWreckPropertyPage {
 public:
  explicit CWreckHistoryPP(const WreckDef* wreck);

 protected:
  void ShowRecord(const WreckDef& wreck) override;
};
