#pragma once
// CWreckSurveyPP: the survey page of the wreck property sheet: the sonar
// contact, the scour, the original source, the original and last sensors
// with their dates, and the survey text.

#include "frame/Api.h"
#include "wrecks/WreckPropertyPage.h"

class OVERLAYS_API CWreckSurveyPP : public CWreckPropertyPage {
 public:
  explicit CWreckSurveyPP(const WreckDef* wreck);

 protected:
  void ShowRecord(const WreckDef& wreck) override;
};
