#include "wrecks/WreckSurveyPP.h"

#include "wrecks/DateText.h"
#include "wrecks/WreckCodeTables.h"
#include "wrecks/WreckFieldText.h"
#include "wrecks/WreckPropertyResources.h"

namespace {

constexpr WreckPageField kSurveyFields[] = {
    {IDC_SURVEY_SONAR, "Sonar", true},
    {IDC_SURVEY_SOURCE, "Original Source", true},
    {IDC_SURVEY_SCOUR, "Scour", true},
    {IDC_SURVEY_ORIGINAL_SENSOR, "Original", true},
    {IDC_SURVEY_ORIGINAL_DATE, "Original Date", true},
    {IDC_SURVEY_LAST_SENSOR, "Last", true},
    {IDC_SURVEY_LAST_DATE, "Last Date", true},
    {IDC_SURVEY_TEXT, "Survey", false},
};

}  // namespace

CWreckSurveyPP::CWreckSurveyPP(const WreckDef* wreck) : CWreckPropertyPage(IDD_WRECK_SURVEY, wreck, kSurveyFields) {}

void CWreckSurveyPP::ShowRecord(const WreckDef& wreck) {
  const WreckDataDef& d = wreck.data;
  SetDlgItemText(IDC_SURVEY_TEXT, wreck.Survey());
  SetDlgItemText(IDC_SURVEY_LAST_SENSOR, WreckCodeText(WreckCode::Sensor, d.lastSensor));
  SetDlgItemText(IDC_SURVEY_ORIGINAL_SENSOR, WreckCodeText(WreckCode::Sensor, d.originalSensor));
  SetDlgItemText(IDC_SURVEY_LAST_DATE, DateText(d.lastSensorDate).text);
  SetDlgItemText(IDC_SURVEY_ORIGINAL_DATE, DateText(d.originalSensorDate).text);
  SetDlgItemText(IDC_SURVEY_SOURCE, WreckCodeText(WreckCode::Source, d.originalSource));
  SetDlgItemText(IDC_SURVEY_SONAR, SonarText(d));
  SetDlgItemText(IDC_SURVEY_SCOUR, ScourText(d));
}
