#pragma once
// The host's lists on the chart: one layer each, stacked as a charting
// host stacks them (coast at the bottom, wrecks on top).

#include <filesystem>

#include "chart/Chart.h"
#include "kml/KMLFileList.h"
#include "seaareas/SeaAreas.h"
#include "shape/ShapeFileList.h"
#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"
#include "wrecks/WreckList.h"

namespace chart {

// The lists the host owns; the chart only reads them (the shapefiles'
// datum objects convert their grid positions, hence not const).
struct HostLists {
  const CWreckList& wrecks;
  const CWreckList& searchList;
  const CKMLFileList& kml;
  CShapeFileList& shapes;
  const CTurbineList& turbines;
  const CWindFarmBoundaryList& boundaries;
  const CSeaAreas& seaAreas;
};

// Adds the coastline of the shapefile at a host path (none when it cannot
// be read), then a layer for each list.
void AddHostLayers(Chart& chart, const HostLists& lists, const std::filesystem::path& coastline);

}  // namespace chart
