#pragma once
// The lists a charting host owns for its whole run and the module fills:
// the wreck list (whose records are deleted with it) and the search list,
// the KML and shape file lists, the wind farm lists and the sea areas.

#include "kml/KMLFileList.h"
#include "seaareas/SeaAreas.h"
#include "shape/ShapeFileList.h"
#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"
#include "wrecks/WreckList.h"

namespace chart {

struct HostLists {
  HostLists() = default;
  ~HostLists();
  HostLists(const HostLists&) = delete;
  HostLists& operator=(const HostLists&) = delete;

  CWreckList wrecks;
  CWreckList searchList;
  CKMLFileList kml;
  CShapeFileList shapes;
  CTurbineList turbines;
  CWindFarmBoundaryList boundaries;
  CSeaAreas seaAreas;
};

}  // namespace chart
