#pragma once
// The wind farm settings: each layer (boundaries, turbines) on or off,
// labelled or not, and its colour. The host's lists change, and both
// settings files are saved, only on OK.

#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "controls/ColourPickerComboBoxEx.h"
#include "frame/Api.h"
#include "platform/ui/Toolkit.h"
#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"

class OVERLAYS_API CWindFarmDlg : public CColourDialogEx {
 public:
  CWindFarmDlg(CTurbineList& turbines, CWindFarmBoundaryList& boundaries, CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CTurbineList& turbines_;
  CWindFarmBoundaryList& boundaries_;
  CButton displayBoundary_;
  CButton labelWindFarm_;
  CColourPickerComboBoxEx boundaryColour_;
  CButton displayTurbines_;
  CButton labelTurbines_;
  CColourPickerComboBoxEx turbineColour_;
  CColourButton ok_;
  CColourButton cancel_;
};
