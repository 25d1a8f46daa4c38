#pragma once
// The host's lists on the chart: one layer each, stacked as a charting
// host stacks them (coast at the bottom, wrecks on top).

#include <filesystem>

#include "chart/Chart.h"
#include "chart/HostLists.h"

namespace chart {

// Adds the coastline of the shapefile at a host path, then a layer for
// each list. False when the coastline cannot be read (its layer is then
// empty; the others are there). The layers keep references to the
// lists (the shapefiles' datum objects convert their grid positions, hence
// not const).
bool AddHostLayers(Chart& chart, HostLists& lists, const std::filesystem::path& coastline);

}  // namespace chart
