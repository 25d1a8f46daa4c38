#include "chart/CoastlineLayer.h"

#include <memory>

#include "chart/ChartDrawing.h"
#include "chart/ChartPalette.h"
#include "chart/ShapeGeometry.h"

namespace chart {
namespace {

struct ShapeHandleClose {
  void operator()(SHPInfo* handle) const { SHPClose(handle); }
};
struct ShapeObjectDestroy {
  void operator()(SHPObject* object) const { SHPDestroyObject(object); }
};

}  // namespace

bool CoastlineLayer::Load(const std::filesystem::path& shapefile, const MercatorProjection& projection) {
  lines_ = PolylineIndex();
  const std::unique_ptr<SHPInfo, ShapeHandleClose> handle(SHPOpen(shapefile.string().c_str(), "rb"));
  if (!handle) return false;
  int count = 0;
  SHPGetInfo(handle.get(), &count, nullptr, nullptr, nullptr);
  const VertexToPlane toPlane = [&](double lon, double lat) { return projection.ForwardDegrees(lat, lon); };
  for (int i = 0; i < count; ++i) {
    const std::unique_ptr<SHPObject, ShapeObjectDestroy> object(SHPReadObject(handle.get(), i));
    if (!object) continue;
    for (const QPolygonF& part : PartsOnPlane(*object, toPlane, 2 * projection.EastLimit())) lines_.Add(part);
  }
  lines_.Build();
  return true;
}

void CoastlineLayer::Draw(QPainter& painter, const ChartView& view) {
  // A one-pixel line drawn without antialiasing costs a quarter of the
  // time (bench/chart_render_bench) and looks the same at chart scales.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(kCoastlineColour, 1));
  DrawPolylines(painter, lines_, view);
}

}  // namespace chart
