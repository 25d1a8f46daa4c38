#include "chart/WreckLayer.h"

#include "chart/ChartDrawing.h"
#include "chart/ChartPalette.h"
#include "chart/ImageListPictures.h"
#include "chart/ScreenOccupancy.h"
#include "wrecks/WrecksImageList.h"
#include "platform/qt/AnsiText.h"

namespace chart {
namespace {

constexpr int kWreckImage = 0;
constexpr int kObstructionImage = 1;
constexpr double kMetresPerNauticalMile = 1852;
// Symbols overlap a little before a crowd thins out; labels need more room.
constexpr QSize kSymbolCell(24, 14);
constexpr QSize kLabelCell(96, 14);
constexpr double kHighlightRadius = 13;

QString LabelOf(const WreckDef& record) {
  if (!record.Name().empty()) return platform::qt::FromAnsi(record.Name());
  return QStringLiteral("WID:%1").arg(record.data.wreckId);
}

bool HasPosition(const WreckDef& record) { return record.data.latitude != 0 || record.data.longitude != 0; }

}  // namespace

WreckLayer::WreckLayer(const CWreckList& wrecks, const CWreckList& searchList)
    : wrecks_(wrecks), searchList_(searchList), pictures_(PicturesOf(CWrecksImageList())) {}

void WreckLayer::IndexIfChanged(const MercatorProjection& projection) {
  const WreckDef* first = wrecks_.GetSize() ? wrecks_.GetAt(0) : nullptr;
  if (wrecks_.GetSize() == indexedSize_ && first == indexedFirst_) return;
  indexedSize_ = wrecks_.GetSize();
  indexedFirst_ = first;
  for (Category* category : {&wrecksOnly_, &obstructions_}) {
    category->records.clear();
    category->places.clear();
  }
  for (const WreckDef* record : wrecks_.records) {
    if (!HasPosition(*record)) continue;
    Category& category = record->IsWreck() ? wrecksOnly_ : obstructions_;
    category.records.push_back(record);
    category.places.push_back(projection.Forward(record->data.latitude, record->data.longitude));
  }
  for (Category* category : {&wrecksOnly_, &obstructions_}) category->index.Build(category->places);
}

bool WreckLayer::Shows(const WreckDef& record) const {
  return record.IsWreck() ? searchList_.showWrecks : searchList_.showObstructions;
}

void WreckLayer::Draw(QPainter& painter, const ChartView& view) {
  IndexIfChanged(view.Projection());
  DrawSearchCircle(painter, view);
  if (searchList_.showWrecks) DrawCategory(painter, view, wrecksOnly_);
  if (searchList_.showObstructions) DrawCategory(painter, view, obstructions_);
  DrawSearchResults(painter, view);
}

void WreckLayer::DrawSearchCircle(QPainter& painter, const ChartView& view) const {
  if (!searchList_.showSearchRadius || searchList_.searchMethod != kSearchLocation || !(searchList_.searchRadius > 0))
    return;
  const GeoPosition centre{searchList_.centreLatitude, searchList_.centreLongitude};
  const double pixels = searchList_.searchRadius * kMetresPerNauticalMile *
                        view.Projection().ScaleAt(centre.lat) / view.MetresPerPixel();
  painter.setPen(QPen(kSearchCircleColour, 2, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(view.ScreenOf(centre), pixels, pixels);
}

void WreckLayer::DrawCategory(QPainter& painter, const ChartView& view, const Category& category) const {
  ScreenOccupancy symbols(view.Viewport(), kSymbolCell);
  ScreenOccupancy labels(view.Viewport(), kLabelCell);
  const bool labelled = searchList_.label && view.MetresPerPixel() < kPointLabelsFinerThan;
  const double symbolPixels = kSymbolCell.width();
  category.index.Visit(view.VisiblePlane(), view.MetresPerPixel(), symbolPixels, [&](std::uint32_t i) {
    const QPointF at = view.ToScreen(category.places[i]);
    if (!symbols.Claim(at)) return;
    const WreckDef& record = *category.records[i];
    DrawSymbol(painter, at, record);
    if (labelled && labels.Claim(at)) DrawLabel(painter, at + QPointF(10, 0), LabelOf(record), Qt::black);
  });
}

void WreckLayer::DrawSearchResults(QPainter& painter, const ChartView& view) const {
  const QRectF screen = QRectF(QPointF(0, 0), QSizeF(view.Viewport())).adjusted(-20, -20, 20, 20);
  for (const WreckDef* record : searchList_.records) {
    if (!HasPosition(*record) || !Shows(*record)) continue;
    const QPointF at = view.ScreenOf({record->data.latitude, record->data.longitude});
    if (!screen.contains(at)) continue;
    painter.setPen(QPen(kSearchHighlightColour, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, kHighlightRadius, kHighlightRadius);
    DrawSymbol(painter, at, *record);
    if (searchList_.label) DrawLabel(painter, at + QPointF(10, 0), LabelOf(*record), kSearchHighlightColour.darker());
  }
}

void WreckLayer::DrawSymbol(QPainter& painter, QPointF at, const WreckDef& record) const {
  const std::size_t image = record.IsWreck() ? kWreckImage : kObstructionImage;
  if (image >= pictures_.size()) return;
  const QImage& picture = pictures_[image];
  painter.drawImage(at - QPointF(picture.width() / 2.0, picture.height() / 2.0), picture);
}

}  // namespace chart
