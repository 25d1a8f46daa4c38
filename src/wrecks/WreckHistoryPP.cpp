#include "wrecks/WreckHistoryPP.h"

#include "wrecks/DateText.h"
#include "wrecks/WreckPropertyResources.h"

namespace {

constexpr WreckPageField kHistoryFields[] = {
    {IDC_HISTORY_SUNK, "Sunk", true},
    {IDC_HISTORY_REPORTED, "Reported", true},
    {IDC_HISTORY_AMENDED, "Amended", true},
    {IDC_HISTORY_TEXT, "History", true},
};

}  // namespace

CWreckHistoryPP::CWreckHistoryPP(const WreckDef* wreck)
    : CWreckPropertyPage(IDD_WRECK_HISTORY, wreck, kHistoryFields) {}

void CWreckHistoryPP::ShowRecord(const WreckDef& wreck) {
  const WreckDataDef& d = wreck.data;
  SetDlgItemText(IDC_HISTORY_SUNK, DateText(d.sunk).text);
  SetDlgItemText(IDC_HISTORY_REPORTED, DateText(d.reported).text);
  SetDlgItemText(IDC_HISTORY_AMENDED, DateText(d.amended).text);
  SetDlgItemText(IDC_HISTORY_TEXT, wreck.History());
}
