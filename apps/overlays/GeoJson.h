#pragma once
// GeoJSON (RFC 7946) for the commands that print overlays: one place that
// turns module positions (radians, longitude in x) into positions in
// degrees, and that refuses the geometries a GIS would reject. Text must
// already be UTF-8 (host::Out).

#include <iosfwd>
#include <vector>

#include <nlohmann/json.hpp>

#include "frame/XY.h"

namespace host::geojson {

using Json = nlohmann::ordered_json;

// [longitude, latitude] in degrees, rounded to 1e-8 degree (about 1 mm),
// the precision the module's own angle text never exceeds.
Json Position(const tagXY& radians);

Json Point(const tagXY& radians);
// Null when fewer than two positions: RFC 7946 has no empty line.
Json LineString(const CXYArray& radians);
// One closed ring (the first position repeated at the end when the source
// left it open); null when fewer than three distinct positions remain.
Json Polygon(const CXYArray& radians);

// The geometries as one: null for none, the geometry itself for one, a
// GeometryCollection for more.
Json Collection(std::vector<Json> geometries);

// Null when the geometry is null, so that callers can skip what GeoJSON
// cannot carry and count it.
Json Feature(Json geometry, Json properties);
// A feature even without a geometry (RFC 7946 writes an unlocated feature
// with a null geometry), for lists that must keep every record.
Json AnyFeature(Json geometry, Json properties);

// Geometries of one type (Point, LineString or Polygon) as one: null for
// none (null geometries are dropped), the geometry itself for one, its
// Multi form for more.
Json Multi(std::vector<Json> geometries);

// A FeatureCollection, one feature a line so that line tools still work;
// the members of an object `members` go in front of the features (RFC 7946
// foreign members).
void PrintCollection(std::ostream& out, const std::vector<Json>& features, const Json& members = nullptr);

}  // namespace host::geojson
