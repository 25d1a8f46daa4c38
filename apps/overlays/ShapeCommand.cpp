// overlays shape read FILE.shp [--format text|geojson]: load a shapefile
// synchronously, as the file selector does, and print what the overlay
// holds of it: the header summary, the coordinate reference of its .prj,
// the attribute field names and the length of its lines, as text; or its
// entities as a GeoJSON FeatureCollection in longitude and latitude, a
// projected file's eastings and northings taken back through its own grid
// and datum object (family 0: no datum shift, as the overlay draws them).

#include <iostream>
#include <string>
#include <vector>

#include "GeoJson.h"
#include "Host.h"
#include "ShapePrint.h"
#include "WindowsPath.h"
#include "frame/FormatText.h"
#include "geodesy/angle/AngleUnits.h"
#include "shape/Shape.h"
#include "shape/ShapeTypes.h"

namespace host {
namespace {

std::string ShapeTypeText(std::int32_t code) {
  const auto type = FindShapeType(code);
  return type ? type->name : FormatText("unknown (%d)", code);
}

std::string ShapeBounds(const CShape& shape) {
  const char* axes[] = {"x", "y", "z", "m"};
  std::string text;
  for (std::size_t i = 0; i < 4; ++i)
    text += FormatText("%s%s %.9g .. %.9g", i ? ", " : "", axes[i], shape.boundsMin[i], shape.boundsMax[i]);
  return text;
}

std::string ShapeGrid(const CGridSystem& grid) {
  return FormatText("\"%s\", kind %u variant %u, origin %.9g %.9g, scale %.10g, false easting %.3f, "
                    "false northing %.3f",
                    Out(grid.name).c_str(), grid.kind, grid.variant, grid.lat0 * kDegreesPerRadian,
                    grid.lon0 * kDegreesPerRadian, grid.scale, grid.falseEasting, grid.falseNorthing);
}

std::string ShapeFieldNames(const CDbase& attributes) {
  std::string text;
  for (const std::string& name : attributes.fieldNames) text += (text.empty() ? "" : ", ") + Out(name);
  return text.empty() ? "(none)" : text;
}

double ShapeTotalLength(const CShape& shape) {
  double total = 0;
  for (const ShapeEntityDef& entity : shape.Entities()) total += entity.length;
  return total;
}

void PrintShapeText(const CShape& shape) {
  std::cout << Out(shape.path) << "\n"
            << "shape type: " << ShapeTypeText(shape.shapeType) << "\n"
            << "entities: " << shape.entityCount;
  const std::size_t read = shape.Entities().size();
  if (read != static_cast<std::size_t>(shape.entityCount.load()))
    std::cout << " (" << read << " read; the others are corrupt and left out)";
  std::cout << "\nbounds: " << ShapeBounds(shape) << "\n"
            << "coordinates: " << (shape.geographic ? "geographic, degrees" : "projected, metres") << "\n"
            << "area: " << Out(shape.datum.transformation.area) << "\n"
            << "ellipsoid: \"" << Out(shape.ellipsoid.name) << "\", a " << FormatText("%.4f", shape.ellipsoid.a)
            << " m, 1/f " << FormatText("%.9f", shape.ellipsoid.invFlattening) << "\n";
  if (!shape.geographic) std::cout << "grid: " << ShapeGrid(shape.projection) << "\n";
  std::cout << "fields: " << ShapeFieldNames(shape.attributes) << "\n";
  // The module reads every file's coordinates as degrees for the length, so
  // a projected file's figure measures nothing on the ground.
  if (shape.geographic)
    std::cout << "total length: " << FormatText("%.3f", ShapeTotalLength(shape) / 1000) << " km\n";
  else
    std::cout << "total length: n/a (projected coordinates; the module's figure, read as degrees, is "
              << FormatText("%.3f", ShapeTotalLength(shape) / 1000) << ")\n";
}

// A vertex in radians: degrees as written, or the file's easting and
// northing back through its own grid and datum object.
tagXY ShapeVertexLatLon(CShape& shape, double x, double y) {
  if (shape.geographic) return {x * kRadiansPerDegree, y * kRadiansPerDegree};
  return shape.datum.GridToLatLon({x, y});
}

// The vertices of each part; a point type's entity is one part.
std::vector<CXYArray> ShapeParts(CShape& shape, const SHPObject& object) {
  std::vector<CXYArray> parts;
  const int count = object.nParts > 0 ? object.nParts : 1;
  for (int p = 0; p < count; ++p) {
    const int first = object.nParts > 0 ? object.panPartStart[p] : 0;
    const int end = p + 1 < count ? object.panPartStart[p + 1] : object.nVertices;
    CXYArray& part = parts.emplace_back();
    for (int i = first; i < end; ++i) part.Add(ShapeVertexLatLon(shape, object.padfX[i], object.padfY[i]));
  }
  return parts;
}

// Every polygon part is a ring of its own: the overlay fills each outline,
// as it does a KML polygon, without holes.
geojson::Json ShapeGeometry(CShape& shape, const SHPObject& object) {
  const auto type = FindShapeType(object.nSHPType);
  std::vector<geojson::Json> geometries;
  for (const CXYArray& part : ShapeParts(shape, object)) {
    if (!type) continue;
    if (type->counted == ShapeClass::Point) {
      for (const tagXY& p : part) geometries.push_back(geojson::Point(p));
    } else if (type->counted == ShapeClass::Line) {
      geometries.push_back(geojson::LineString(part));
    } else {
      geometries.push_back(geojson::Polygon(part));
    }
  }
  return geojson::Multi(std::move(geometries));
}

void PrintShapeGeoJson(CShape& shape) {
  std::vector<geojson::Json> features;
  for (const ShapeEntityDef& entity : shape.Entities()) {
    const SHPObject& object = *entity.object;
    features.push_back(geojson::AnyFeature(ShapeGeometry(shape, object),
                                           {{"entity", object.nShapeId},
                                            {"shapeType", ShapeTypeText(object.nSHPType)},
                                            {"parts", object.nParts},
                                            {"vertices", object.nVertices},
                                            {"length_m", entity.length}}));
  }
  geojson::PrintCollection(std::cout, features);
}

void ReadShape(const std::string& argument, const std::string& format) {
  CShape shape;
  shape.path = ModuleFilePath(argument);
  if (!shape.Load()) throw CommandError("cannot read " + argument + ": " + kShapePairUnreadable);
  PrintShape(shape, format);
}

}  // namespace

void PrintShape(CShape& shape, const std::string& format) {
  if (format == "geojson")
    PrintShapeGeoJson(shape);
  else
    PrintShapeText(shape);
}

void AddShapeCommand(CLI::App& app, const Options&) {
  auto* shape = app.add_subcommand("shape", "Shapefile overlays");
  shape->require_subcommand(1);
  auto* read = shape->add_subcommand("read", "Read a shapefile as the file selector loads it and print it");
  static std::string file;
  static std::string format = "text";
  read->add_option("FILE", file, "The .shp file: a host path, or a Windows path such as C:\\Charts\\coast.shp")
      ->required();
  read->add_option("--format", format, "text (header, projection, fields, length) or geojson (the entities)")
      ->check(CLI::IsMember({"text", "geojson"}));
  read->callback([] { ReadShape(file, format); });
  AddShapeLoadCommands(*shape);
}

}  // namespace host
