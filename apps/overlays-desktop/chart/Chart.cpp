#include "chart/Chart.h"

#include <QFont>

#include "chart/ChartPalette.h"

namespace chart {
namespace {

// Bundled with the host's Debian dependencies (fonts-dejavu-core), so the
// labels measure the same on every machine.
constexpr int kLabelPointSize = 8;

}  // namespace

ChartLayer& Chart::AddLayer(std::unique_ptr<ChartLayer> layer) {
  layers_.push_back(std::move(layer));
  return *layers_.back();
}

ChartLayer* Chart::FindLayer(std::string_view name) const {
  for (const auto& layer : layers_)
    if (name == layer->Name()) return layer.get();
  return nullptr;
}

void Chart::Render(QPainter& painter, QSize size) {
  view_.SetViewport(size);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(QFont(QStringLiteral("DejaVu Sans"), kLabelPointSize));
  painter.fillRect(QRect(QPoint(0, 0), size), kSeaColour);
  for (const auto& layer : layers_) {
    if (!layer->visible) continue;
    painter.save();
    layer->Draw(painter, view_);
    painter.restore();
  }
  DrawScaleBar(painter, view_, scaleUnit);
  painter.restore();
}

QImage Chart::RenderImage(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  Render(painter, size);
  return image;
}

}  // namespace chart
