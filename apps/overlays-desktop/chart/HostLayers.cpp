#include "chart/HostLayers.h"

#include "chart/BoundaryLayer.h"
#include "chart/CoastlineLayer.h"
#include "chart/KmlLayer.h"
#include "chart/SeaAreaLayer.h"
#include "chart/ShapeLayer.h"
#include "chart/TurbineLayer.h"
#include "chart/WreckLayer.h"

namespace chart {

bool AddHostLayers(Chart& chart, HostLists& lists, const std::filesystem::path& coastline) {
  auto coast = std::make_unique<CoastlineLayer>();
  const bool coastRead = coast->Load(coastline, chart.Projection());
  chart.AddLayer(std::move(coast));
  chart.AddLayer(std::make_unique<SeaAreaLayer>(lists.seaAreas));
  chart.AddLayer(std::make_unique<ShapeLayer>(lists.shapes));
  chart.AddLayer(std::make_unique<KmlLayer>(lists.kml));
  chart.AddLayer(std::make_unique<BoundaryLayer>(lists.boundaries));
  chart.AddLayer(std::make_unique<TurbineLayer>(lists.turbines));
  chart.AddLayer(std::make_unique<WreckLayer>(lists.wrecks, lists.searchList));
  return coastRead;
}

}  // namespace chart
