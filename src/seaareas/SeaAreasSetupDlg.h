#pragma once
// The sea areas setup: boundaries and labels on or off, the boundary
// colour, and the highlighted area with its colour. Every change is stored
// in the host's object, saved, and the host's chart asked to redraw at
// once; OK and Cancel only close the dialog.

#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "controls/ColourPickerComboBoxEx.h"
#include "frame/Api.h"
#include "platform/ui/Toolkit.h"
#include "seaareas/SeaAreas.h"

class OVERLAYS_API CSeaAreasSetupDlg : public CColourDialogEx {
 public:
  // `redraw` is the window that draws the chart, or null.
  CSeaAreasSetupDlg(CSeaAreas& seaAreas, CWnd* redraw, CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  const MessageMap& GetMessageMap() const override;

 private:
  void OnDisplay();
  void OnLabel();
  void OnColour();
  void OnHighlight();
  void OnActiveColour();
  // Saves the settings and asks for the chart to be drawn again.
  void Changed();

  CSeaAreas& seaAreas_;
  CWnd* redraw_;
  CButton display_;
  CButton label_;
  CColourPickerComboBoxEx colour_;
  CComboBox highlight_;
  CColourPickerComboBoxEx activeColour_;
  CColourButton ok_;
  CColourButton cancel_;
};
