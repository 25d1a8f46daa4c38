#pragma once
// CWreckChartingPP: the charting page of the wreck property sheet: the text
// of the record's chart symbol.

#include "frame/Api.h"
#include "wrecks/WreckPropertyPage.h"

class OVERLAYS_API CWreckChartingPP : public CWreckPropertyPage {
 public:
  explicit CWreckChartingPP(const WreckDef* wreck);

 protected:
  void ShowRecord(const WreckDef& wreck) override;
};
