#pragma once
// Finding a wind farm by name, in the turbine list or in the boundary list:
// the farm picked becomes the list's chosen farm (saved at once) and gives
// the point the host centres its chart on, the boundary's centre or the
// middle of the box round the farm's turbines.

#include <optional>

#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "frame/Api.h"
#include "frame/XY.h"
#include "platform/ui/Toolkit.h"
#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"

class OVERLAYS_API CFindWindFarm : public CColourDialogEx {
 public:
  explicit CFindWindFarm(CTurbineList& turbines, CWnd* parent = nullptr);
  explicit CFindWindFarm(CWindFarmBoundaryList& boundaries, CWnd* parent = nullptr);

  // The point of the farm found; none when no farm was found, or when the
  // farm found has no turbines to place it.
  const std::optional<tagXY>& Result() const { return result_; }

  BOOL OnInitDialog() override;
  void OnOK() override;
  const MessageMap& GetMessageMap() const override;

 private:
  // The farm whose name is the selected text, case counting; true when
  // one matched.
  bool SelectFarm();
  void OnDoubleClick();

  CTurbineList* turbines_ = nullptr;
  CWindFarmBoundaryList* boundaries_ = nullptr;
  CListBox names_;
  CColourButton find_;
  CColourButton cancel_;
  std::optional<tagXY> result_;
};
