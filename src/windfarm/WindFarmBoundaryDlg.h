#pragma once
// The corners of the chosen wind farm's boundary, as latitude and longitude
// and, with a grid selected, as easting and northing. With the farm choice
// shown, the user switches farms; the choice becomes the list's chosen farm
// and is saved at once.

#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "controls/MyListCtrl.h"
#include "frame/Api.h"
#include "platform/ui/Toolkit.h"
#include "windfarm/WindFarmBoundaryList.h"

class CDatum;

class OVERLAYS_API CWindFarmBoundaryDlg : public CColourDialogEx {
 public:
  // `datum` may be null: the table then shows no grid position.
  CWindFarmBoundaryDlg(CWindFarmBoundaryList& boundaries, CDatum* datum, bool chooseFarm, CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  const MessageMap& GetMessageMap() const override;

 private:
  void AddColumns();
  void OfferFarms();
  void FillTable();
  void OnFarmChosen();

  CWindFarmBoundaryList& boundaries_;
  CDatum* grid_;  // null unless the grid columns are shown
  bool chooseFarm_;
  CStatic description_;
  CMyListCtrl list_;
  CComboBox farmChoice_;
  CColourButton ok_;
};
