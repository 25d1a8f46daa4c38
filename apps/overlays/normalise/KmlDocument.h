#pragma once
// What the normaliser keeps of KML from any producer: the styles the
// overlay draws with, the style maps that point at them, and every
// placemark's geometry, flattened out of folders, multi-geometries and
// polygons. Positions are degrees as written, longitude first.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace normalise {

struct KmlStyle {
  std::string id;                         // as written in the source
  std::optional<std::string> lineColour;  // aabbggrr, eight lower-case hexadecimal digits
  std::optional<double> width;
  std::optional<std::string> polygonColour;
  bool SetsSomething() const { return lineColour || width || polygonColour; }
};

struct KmlPosition {
  double longitude = 0.0;
  double latitude = 0.0;
  double altitude = 0.0;
};

enum class KmlGeometryKind { Point, LineString, LinearRing };

struct KmlGeometry {
  KmlGeometryKind kind = KmlGeometryKind::Point;
  std::vector<KmlPosition> positions;
  bool innerRing = false;  // a LinearRing of an innerBoundaryIs: a hole of the ring before it
};

struct KmlPlacemark {
  std::string name;      // UTF-8, white space runs folded to one blank
  std::string styleUrl;  // as written: "#id", "file.kml#id" or empty
  std::vector<KmlGeometry> geometries;
};

struct KmlDocument {
  std::vector<KmlStyle> styles;
  std::map<std::string, std::string> styleMaps;  // style map id -> its "normal" style URL
  std::vector<KmlPlacemark> placemarks;          // only those with a geometry
  std::size_t tuplesPassedOver = 0;              // not two or three finite numbers in range
};

}  // namespace normalise
