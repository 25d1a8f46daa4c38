#pragma once
// The host's wind farm outlines. The host fills and draws the list; the
// module's dialogs show a farm's corners, let the user pick the chosen farm
// and change the layer's display settings ("Wind Farm Boundaries").

#include <string>
#include <vector>

#include "frame/Api.h"
#include "frame/XY.h"
#include "windfarm/WindFarmLayer.h"

inline constexpr char kWindFarmBoundariesSettingsGroup[] = "Wind Farm Boundaries";

struct WindFarmBoundaryDef {
  CXYArray outline;  // corners, x longitude, y latitude, radians
  std::string name;
  std::string description;
  tagXY centre;  // where the chart centres on the farm
};

class OVERLAYS_API CWindFarmBoundaryList : public CWindFarmLayer {
 public:
  CWindFarmBoundaryList();

  // Entry 0 stands for "no farm", as in the turbine list.
  std::vector<WindFarmBoundaryDef> farms;
};
