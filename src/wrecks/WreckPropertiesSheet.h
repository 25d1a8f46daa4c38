#pragma once
// The wreck property sheet: everything one record holds, read-only, on four
// pages (General, Survey, History, Charting) under the caption
// "Wreck ID %d". The sheet reopens on the page last left, per wreck ID.

#include "controls/ColourPropertySheet.h"
#include "frame/Api.h"
#include "frame/Exports.h"
#include "wrecks/WreckChartingPP.h"
#include "wrecks/WreckGeneralPP.h"
#include "wrecks/WreckHistoryPP.h"
#include "wrecks/WreckSurveyPP.h"

class OVERLAYS_API CWreckPropertiesSheet : public CColourPropertySheet {
 public:
  // The record and the datum must outlive the sheet; the datum may be null.
  CWreckPropertiesSheet(const WreckDef& wreck, CDatum* datum, CWnd* parent = nullptr);
  ~CWreckPropertiesSheet() override;

 private:
  CWreckGeneralPP general_;
  CWreckSurveyPP survey_;
  CWreckHistoryPP history_;
  CWreckChartingPP charting_;
};

// Shows the record on the sheet, modally, and returns when the user closes
// it. A null datum, or one without a grid (family -1), hides the grid
// position. Nothing happens without a record.
OVERLAYS_API void DisplayWreckProperties(WreckDef* wreck, CDatum* datum);
