#include "chart/TurbineLayer.h"

#include "chart/ChartDrawing.h"
#include "chart/ImageListPictures.h"
#include "chart/ScreenOccupancy.h"
#include "windfarm/TurbineImageList.h"
#include "platform/qt/AnsiText.h"
#include "platform/qt/QtImages.h"

namespace chart {
namespace {

constexpr double kRingRadius = 9;
constexpr QSize kLabelCell(40, 14);

}  // namespace

TurbineLayer::TurbineLayer(const CTurbineList& turbines)
    : turbines_(turbines), pictures_(PicturesOf(CTurbineImageList())) {}

void TurbineLayer::Draw(QPainter& painter, const ChartView& view) {
  if (turbines_.display != 1) return;
  const QColor colour = platform::qt::QtColour(turbines_.colour);
  const QRectF screen = QRectF(QPointF(0, 0), QSizeF(view.Viewport())).adjusted(-16, -16, 16, 16);
  ScreenOccupancy labels(view.Viewport(), kLabelCell);
  const bool labelled = turbines_.label == 1 && view.MetresPerPixel() < kPointLabelsFinerThan;
  for (const WindFarmDef& farm : turbines_.farms) {
    for (const TurbineDef& turbine : farm.turbines) {
      const QPointF at = view.ScreenOf({turbine.position.y, turbine.position.x});
      if (!screen.contains(at)) continue;
      painter.setPen(QPen(colour, 2));
      painter.setBrush(Qt::white);
      painter.drawEllipse(at, kRingRadius, kRingRadius);
      // An image index the list does not have shows the ring alone.
      if (turbine.image >= 0 && static_cast<std::size_t>(turbine.image) < pictures_.size()) {
        const QImage& picture = pictures_[static_cast<std::size_t>(turbine.image)];
        painter.drawImage(at - QPointF(picture.width() / 2.0, picture.height() / 2.0), picture);
      }
      if (labelled && labels.Claim(at)) DrawLabel(painter, at + QPointF(6, 0), platform::qt::FromAnsi(turbine.feature), colour);
    }
  }
  painter.setBrush(Qt::NoBrush);
}

}  // namespace chart
