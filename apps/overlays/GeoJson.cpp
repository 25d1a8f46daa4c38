#include "GeoJson.h"

#include <cmath>
#include <ostream>

#include "geodesy/angle/AngleUnits.h"

namespace host::geojson {
namespace {

double RoundedDegrees(double radians) { return std::round(radians * kDegreesPerRadian * 1e8) / 1e8; }

bool SamePosition(const tagXY& a, const tagXY& b) { return a.x == b.x && a.y == b.y; }

}  // namespace

Json Position(const tagXY& radians) { return Json::array({RoundedDegrees(radians.x), RoundedDegrees(radians.y)}); }

Json Point(const tagXY& radians) { return Json{{"type", "Point"}, {"coordinates", Position(radians)}}; }

Json LineString(const CXYArray& radians) {
  if (radians.GetSize() < 2) return nullptr;
  Json coordinates = Json::array();
  for (const tagXY& p : radians) coordinates.push_back(Position(p));
  return Json{{"type", "LineString"}, {"coordinates", coordinates}};
}

Json Polygon(const CXYArray& radians) {
  Json ring = Json::array();
  std::size_t distinct = 0;
  for (std::size_t i = 0; i < radians.GetSize(); ++i) {
    if (i == 0 || !SamePosition(radians[i], radians[i - 1])) ++distinct;
    ring.push_back(Position(radians[i]));
  }
  const bool closed = radians.GetSize() > 1 && SamePosition(radians[0], radians[radians.GetSize() - 1]);
  if (closed) --distinct;
  if (distinct < 3) return nullptr;
  if (!closed) ring.push_back(ring.front());
  return Json{{"type", "Polygon"}, {"coordinates", Json::array({ring})}};
}

Json Collection(std::vector<Json> geometries) {
  if (geometries.empty()) return nullptr;
  if (geometries.size() == 1) return std::move(geometries.front());
  return Json{{"type", "GeometryCollection"}, {"geometries", std::move(geometries)}};
}

Json Multi(std::vector<Json> geometries) {
  std::erase_if(geometries, [](const Json& g) { return g.is_null(); });
  if (geometries.empty()) return nullptr;
  if (geometries.size() == 1) return std::move(geometries.front());
  Json coordinates = Json::array();
  for (Json& g : geometries) coordinates.push_back(std::move(g["coordinates"]));
  return Json{{"type", "Multi" + geometries.front()["type"].get<std::string>()}, {"coordinates", coordinates}};
}

Json Feature(Json geometry, Json properties) {
  if (geometry.is_null()) return nullptr;
  return AnyFeature(std::move(geometry), std::move(properties));
}

Json AnyFeature(Json geometry, Json properties) {
  return Json{{"type", "Feature"}, {"geometry", std::move(geometry)}, {"properties", std::move(properties)}};
}

void PrintCollection(std::ostream& out, const std::vector<Json>& features, const Json& members) {
  out << R"({"type":"FeatureCollection",)";
  if (members.is_object())
    for (const auto& [key, value] : members.items()) out << Json(key).dump() << ':' << value.dump() << ',';
  out << R"("features":[)";
  for (std::size_t i = 0; i < features.size(); ++i) out << (i ? ",\n" : "\n") << features[i].dump();
  out << "\n]}\n";
}

}  // namespace host::geojson
