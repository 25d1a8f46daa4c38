#include "seaareas/SeaAreasSetupDlg.h"

#include "frame/Exports.h"
#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"
#include "seaareas/SeaAreasResources.h"

namespace {

const UINT UM_REDRAW_CHART = platform::ui::RegisterWindowMessage(messages::kRedrawChart);

constexpr char kNotSelected[] = "Not Selected";

std::uint8_t Ticked(const CButton& box) { return box.GetCheck() == BST_CHECKED ? 1 : 0; }

}  // namespace

CSeaAreasSetupDlg::CSeaAreasSetupDlg(CSeaAreas& seaAreas, CWnd* redraw, CWnd* parent)
    : CColourDialogEx(IDD_SEA_AREAS_SETUP, parent), seaAreas_(seaAreas), redraw_(redraw) {}

BOOL CSeaAreasSetupDlg::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  display_.SubclassDlgItem(IDC_SEA_AREAS_DISPLAY, this);
  label_.SubclassDlgItem(IDC_SEA_AREAS_LABEL, this);
  colour_.SubclassDlgItem(IDC_SEA_AREAS_COLOUR, this);
  highlight_.SubclassDlgItem(IDC_SEA_AREAS_HIGHLIGHT, this);
  activeColour_.SubclassDlgItem(IDC_SEA_AREAS_ACTIVE_COLOUR, this);
  ok_.SubclassDlgItem(IDOK, this);
  cancel_.SubclassDlgItem(IDCANCEL, this);

  highlight_.AddString(kNotSelected);
  for (const SeaAreaDef& area : seaAreas_.areas) highlight_.AddString(area.name);
  highlight_.SetCurSel(seaAreas_.activeArea + 1);
  display_.SetCheck(seaAreas_.display == 1 ? BST_CHECKED : BST_UNCHECKED);
  label_.SetCheck(seaAreas_.label == 1 ? BST_CHECKED : BST_UNCHECKED);
  colour_.Fill();
  colour_.SetColour(seaAreas_.colour);
  activeColour_.Fill();
  activeColour_.SetColour(seaAreas_.activeColour);
  return TRUE;
}

void CSeaAreasSetupDlg::OnDisplay() {
  seaAreas_.display = Ticked(display_);
  Changed();
}

void CSeaAreasSetupDlg::OnLabel() {
  seaAreas_.label = Ticked(label_);
  Changed();
}

void CSeaAreasSetupDlg::OnColour() {
  seaAreas_.colour = colour_.GetColour();
  Changed();
}

// Entry 0 is "Not Selected", so the area is the entry less one; a choice
// beyond the areas falls back to the first.
void CSeaAreasSetupDlg::OnHighlight() {
  const int area = highlight_.GetCurSel() - 1;
  seaAreas_.activeArea =
      area < static_cast<int>(seaAreas_.areas.size()) ? static_cast<std::int16_t>(area) : std::int16_t{0};
  Changed();
}

void CSeaAreasSetupDlg::OnActiveColour() {
  seaAreas_.activeColour = activeColour_.GetColour();
  Changed();
}

void CSeaAreasSetupDlg::Changed() {
  seaAreas_.SaveSettings();
  if (redraw_) redraw_->PostMessage(UM_REDRAW_CHART, 0, 0);
}

const MessageMap& CSeaAreasSetupDlg::GetMessageMap() const {
  using H = Handlers<CSeaAreasSetupDlg>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(),
                              {
                                  H::Command(IDC_SEA_AREAS_DISPLAY, &CSeaAreasSetupDlg::OnDisplay),
                                  H::Command(IDC_SEA_AREAS_LABEL, &CSeaAreasSetupDlg::OnLabel),
                                  H::Control(CBN_SELCHANGE, IDC_SEA_AREAS_COLOUR, &CSeaAreasSetupDlg::OnColour),
                                  H::Control(CBN_SELCHANGE, IDC_SEA_AREAS_HIGHLIGHT, &CSeaAreasSetupDlg::OnHighlight),
                                  H::Control(CBN_SELCHANGE, IDC_SEA_AREAS_ACTIVE_COLOUR,
                                             &CSeaAreasSetupDlg::OnActiveColour),
                              });
  return map;
}

bool SeaAreasSetup(CWnd* redraw, CSeaAreas* seaAreas) {
  if (!seaAreas) return false;
  CSeaAreasSetupDlg dialog(*seaAreas, redraw);
  return dialog.DoModal() == IDOK;
}
