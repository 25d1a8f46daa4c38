#include "wrecks/WreckPropertiesSheet.h"

#include "frame/FormatText.h"

namespace {

std::string CaptionOf(const WreckDef& wreck) {
  return FormatText("Wreck ID %d", static_cast<int>(wreck.data.wreckId));
}

}  // namespace

CWreckPropertiesSheet::CWreckPropertiesSheet(const WreckDef& wreck, CDatum* datum, CWnd* parent)
    : CColourPropertySheet(CaptionOf(wreck), parent),
      general_(&wreck, datum),
      survey_(&wreck),
      history_(&wreck),
      charting_(&wreck) {
  AddPage(&general_);
  AddPage(&survey_);
  AddPage(&history_);
  AddPage(&charting_);
}

CWreckPropertiesSheet::~CWreckPropertiesSheet() = default;

void DisplayWreckProperties(WreckDef* wreck, CDatum* datum) {
  if (!wreck) return;
  CWreckPropertiesSheet sheet(*wreck, datum);
  sheet.DoModal();
}
