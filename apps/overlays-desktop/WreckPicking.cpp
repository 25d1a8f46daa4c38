#include "WreckPicking.h"

namespace desktop {
namespace {

bool OnChart(const WreckDef& record, const CWreckList& searchList) {
  const bool placed = record.data.latitude != 0 || record.data.longitude != 0;
  return placed && (record.IsWreck() ? searchList.showWrecks : searchList.showObstructions);
}

bool Within(const WreckDef& record, const chart::GeoPosition& southWest, const chart::GeoPosition& northEast) {
  return record.data.latitude >= southWest.lat && record.data.latitude <= northEast.lat &&
         record.data.longitude >= southWest.lon && record.data.longitude <= northEast.lon;
}

}  // namespace

// A click is rare, so every record is looked at, and no index has to
// follow the list as it changes; only those inside the box around the click
// are projected.
WreckDef* WreckAt(const CWreckList& wrecks, const CWreckList& searchList, const chart::ChartView& view, QPointF screen,
                  double reach) {
  // Compared on the plane, so only the click is projected.
  const QPointF plane = view.ToPlane(screen);
  const double planeReach = reach * view.MetresPerPixel();
  const chart::MercatorProjection& projection = view.Projection();
  const chart::GeoPosition southWest = view.PositionAt(screen + QPointF(-reach, reach));
  const chart::GeoPosition northEast = view.PositionAt(screen + QPointF(reach, -reach));
  WreckDef* nearest = nullptr;
  double nearestSquared = planeReach * planeReach;
  for (WreckDef* record : wrecks.records) {
    if (!Within(*record, southWest, northEast) || !OnChart(*record, searchList)) continue;
    const QPointF offset = projection.Forward(record->data.latitude, record->data.longitude) - plane;
    const double squared = QPointF::dotProduct(offset, offset);
    if (squared <= nearestSquared) {
      nearest = record;
      nearestSquared = squared;
    }
  }
  return nearest;
}

}  // namespace desktop
