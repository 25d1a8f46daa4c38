#include "wrecks/WreckChartingPP.h"

#include "wrecks/WreckPropertyResources.h"

namespace {

constexpr WreckPageField kChartingFields[] = {
    {IDC_CHARTING_SYMBOL, "Symbol", false},
};

}  // namespace

CWreckChartingPP::CWreckChartingPP(const WreckDef* wreck)
    : CWreckPropertyPage(IDD_WRECK_CHARTING, wreck, kChartingFields) {}

void CWreckChartingPP::ShowRecord(const WreckDef& wreck) { SetDlgItemText(IDC_CHARTING_SYMBOL, wreck.ChartingSymbol()); }
