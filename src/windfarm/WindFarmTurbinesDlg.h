#pragma once
// The turbines of the chosen wind farm: name, status, position (and on the
// user's grid), heights, lights and fog signal, with the remarks of the
// selected turbine below. With the farm choice shown, the user switches
// farms; the choice becomes the list's chosen farm and is saved at once.

#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "controls/MyListCtrl.h"
#include "frame/Api.h"
#include "platform/ui/Toolkit.h"
#include "windfarm/TurbineImageList.h"
#include "windfarm/TurbineList.h"

class CDatum;

class OVERLAYS_API CWindFarmTurbinesDlg : public CColourDialogEx {
 public:
  // `datum` may be null: the table then shows no grid position.
  CWindFarmTurbinesDlg(CTurbineList& turbines, CDatum* datum, bool chooseFarm, CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  const MessageMap& GetMessageMap() const override;

 private:
  void AddColumns();
  void FillTable();
  void AddTurbineRow(const TurbineDef& turbine);
  void ShowRemarks(int row);
  void OnListClick(NMHDR* header, LRESULT* result);
  void OnFarmChosen();

  CTurbineList& turbines_;
  CDatum* grid_;  // null unless the grid columns are shown
  bool chooseFarm_;
  CTurbineImageList images_;
  CMyListCtrl list_;
  CEdit remarks_;
  CComboBox farmChoice_;
  CColourButton ok_;
};
