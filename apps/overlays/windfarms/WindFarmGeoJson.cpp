#include "WindFarmGeoJson.h"

#include <cmath>
#include <limits>
#include <map>
#include <nlohmann/json.hpp>

#include "geodesy/angle/AngleUnits.h"
#include "platform/text/CodePage.h"

namespace windfarm_data {
namespace {

using Json = nlohmann::ordered_json;

// Deeper than any feature needs (collection, feature, geometry, ring,
// position): refusing it early keeps hostile nesting from costing stack or
// time.
constexpr int kMaxDepth = 8;
// Decimal places of a degree kept on writing: about 1 mm, as the module's
// own angle text never shows more.
constexpr double kDegreeScale = 1e8;

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw WindFarmDataError(where + ": " + what);
}

Json Parse(std::string_view text, const char* file) {
  const Json::parser_callback_t depthGuard = [file](int depth, Json::parse_event_t, Json&) {
    if (depth > kMaxDepth) Fail(file, "nested deeper than a wind farm file is");
    return true;
  };
  try {
    return Json::parse(text.begin(), text.end(), depthGuard);
  } catch (const Json::exception& e) {
    Fail(file, std::string("not JSON (") + e.what() + ")");
  }
}

// The features of a FeatureCollection.
const Json& Features(const Json& collection, const char* file) {
  if (!collection.is_object() || collection.value("type", Json()) != "FeatureCollection")
    Fail(file, "not a GeoJSON FeatureCollection");
  const auto features = collection.find("features");
  if (features == collection.end() || !features->is_array()) Fail(file, "the collection has no \"features\" array");
  return *features;
}

struct FeatureReader {
  const Json& feature;
  std::string where;

  const Json& Properties() const {
    const auto p = feature.find("properties");
    if (!feature.is_object() || p == feature.end() || !p->is_object()) Fail(where, "a feature without properties");
    return *p;
  }

  const Json& Geometry(const char* type) const {
    const auto g = feature.find("geometry");
    if (g == feature.end() || !g->is_object() || g->value("type", Json()) != type || !g->contains("coordinates"))
      Fail(where, std::string("the geometry is not a ") + type);
    return (*g)["coordinates"];
  }

  // Text in the code page the module keeps; a missing or null property is
  // empty.
  std::string Text(const char* name) const {
    const Json& p = Properties();
    const auto v = p.find(name);
    if (v == p.end() || v->is_null()) return {};
    if (!v->is_string()) Fail(where, std::string("\"") + name + "\" is not text");
    return platform::text::AnsiFromUtf8(v->get_ref<const std::string&>());
  }

  long long Integer(const char* name, long long low, long long high) const {
    const Json& p = Properties();
    const auto v = p.find(name);
    if (v == p.end() || v->is_null()) return 0;
    if (!v->is_number_integer() || v->get<long long>() < low || v->get<long long>() > high)
      Fail(where, std::string("\"") + name + "\" is not a whole number from " + std::to_string(low) + " to " +
                      std::to_string(high));
    return v->get<long long>();
  }

  // Metres; null or missing is a height the data does not know.
  float Height(const char* name) const {
    const Json& p = Properties();
    const auto v = p.find(name);
    if (v == p.end() || v->is_null()) return kHeightNotKnown;
    if (!v->is_number() || !(std::abs(v->get<double>()) < std::numeric_limits<float>::max()))
      Fail(where, std::string("\"") + name + "\" is not a height in metres");
    return static_cast<float>(v->get<double>());
  }

  // [longitude, latitude] in degrees (an altitude after them is ignored)
  // as radians.
  tagXY Position(const Json& position) const {
    if (!position.is_array() || position.size() < 2 || !position[0].is_number() || !position[1].is_number())
      Fail(where, "a position is not [longitude, latitude]");
    const double lon = position[0].get<double>(), lat = position[1].get<double>();
    if (!(std::abs(lon) <= 180 && std::abs(lat) <= 90)) Fail(where, "a position lies outside the globe");
    return {lon / kDegreesPerRadian, lat / kDegreesPerRadian};
  }
};

std::string Where(const char* file, std::size_t index) {
  return std::string(file) + " feature " + std::to_string(index + 1);
}

TurbineDef ReadTurbine(const FeatureReader& r) {
  TurbineDef t;
  t.position = r.Position(r.Geometry("Point"));
  t.farmName = r.Text("farm");
  if (t.farmName.empty()) Fail(r.where, "a turbine without a \"farm\"");
  t.farmQualifier = r.Text("qualifier");
  t.feature = r.Text("feature");
  t.status = static_cast<std::uint16_t>(r.Integer("status", 0, 65535));
  t.image = static_cast<std::int32_t>(r.Integer("image", 0, std::numeric_limits<std::int32_t>::max()));
  t.remarks = r.Text("remarks");
  t.nacelleHeight = r.Height("nacelle_height");
  t.maximumHeight = r.Height("max_height");
  t.clearHeight = r.Height("clear_height");
  t.bladeRadius = r.Height("blade_radius");
  t.airObstructionLights = r.Text("air_obstruction_lights");
  t.navigationLights = r.Text("navigation_lights");
  t.fogSignal = r.Text("fog_signal");
  return t;
}

WindFarmBoundaryDef ReadBoundary(const FeatureReader& r) {
  WindFarmBoundaryDef farm;
  const Json& rings = r.Geometry("Polygon");
  if (!rings.is_array() || rings.size() != 1 || !rings[0].is_array()) Fail(r.where, "the polygon is not one ring");
  // GeoJSON closes a ring by repeating its first corner; the list keeps
  // each corner once.
  const Json& ring = rings[0];
  std::size_t corners = ring.size();
  if (corners >= 2 && ring[corners - 1] == ring[0]) --corners;
  for (std::size_t i = 0; i < corners; ++i) farm.outline.Add(r.Position(ring[i]));
  farm.name = r.Text("name");
  if (farm.name.empty()) Fail(r.where, "a boundary without a \"name\"");
  farm.description = r.Text("description");
  const Json& p = r.Properties();
  if (!p.contains("centre")) Fail(r.where, "a boundary without a \"centre\"");
  farm.centre = r.Position(p["centre"]);
  return farm;
}

double Rounded(double radians) { return std::round(radians * kDegreesPerRadian * kDegreeScale) / kDegreeScale; }

Json Position(const tagXY& p) { return Json::array({Rounded(p.x), Rounded(p.y)}); }

Json Height(float metres) {
  return metres == kHeightNotKnown ? Json() : Json(std::round(static_cast<double>(metres) * 100) / 100);
}

std::string Utf8(const std::string& ansi) { return platform::text::Utf8FromAnsi(ansi); }

Json Feature(const char* type, Json coordinates, Json properties) {
  return {{"type", "Feature"},
          {"geometry", {{"type", type}, {"coordinates", std::move(coordinates)}}},
          {"properties", std::move(properties)}};
}

// One feature a line, so that line tools still work on the files.
std::string Collection(const std::vector<Json>& features) {
  std::string text = "{\"type\": \"FeatureCollection\", \"features\": [\n";
  for (const Json& f : features) text += f.dump() + (&f == &features.back() ? "\n" : ",\n");
  return text + "]}\n";
}

}  // namespace

void ReadTurbines(std::string_view geojson, CTurbineList& list) {
  const Json collection = Parse(geojson, kTurbinesFile);
  const Json& features = Features(collection, kTurbinesFile);
  std::vector<WindFarmDef> farms(1);
  std::map<std::string, std::size_t> farmOfName;
  for (std::size_t i = 0; i < features.size(); ++i) {
    TurbineDef turbine = ReadTurbine({features[i], Where(kTurbinesFile, i)});
    auto [it, added] = farmOfName.try_emplace(turbine.farmName, farms.size());
    if (added) farms.push_back({{}, turbine.farmName});
    farms[it->second].turbines.push_back(std::move(turbine));
  }
  list.farms = std::move(farms);
}

void ReadBoundaries(std::string_view geojson, CWindFarmBoundaryList& list) {
  const Json collection = Parse(geojson, kBoundariesFile);
  const Json& features = Features(collection, kBoundariesFile);
  std::vector<WindFarmBoundaryDef> farms(1);
  for (std::size_t i = 0; i < features.size(); ++i)
    farms.push_back(ReadBoundary({features[i], Where(kBoundariesFile, i)}));
  list.farms = std::move(farms);
}

std::string WriteTurbines(const CTurbineList& list) {
  std::vector<Json> features;
  for (std::size_t f = 1; f < list.farms.size(); ++f)
    for (const TurbineDef& t : list.farms[f].turbines)
      features.push_back(Feature("Point", Position(t.position),
                                 {{"farm", Utf8(t.farmName)},
                                  {"qualifier", Utf8(t.farmQualifier)},
                                  {"feature", Utf8(t.feature)},
                                  {"status", t.status},
                                  {"image", t.image},
                                  {"remarks", Utf8(t.remarks)},
                                  {"nacelle_height", Height(t.nacelleHeight)},
                                  {"max_height", Height(t.maximumHeight)},
                                  {"clear_height", Height(t.clearHeight)},
                                  {"blade_radius", Height(t.bladeRadius)},
                                  {"air_obstruction_lights", Utf8(t.airObstructionLights)},
                                  {"navigation_lights", Utf8(t.navigationLights)},
                                  {"fog_signal", Utf8(t.fogSignal)}}));
  return Collection(features);
}

std::string WriteBoundaries(const CWindFarmBoundaryList& list) {
  std::vector<Json> features;
  for (std::size_t f = 1; f < list.farms.size(); ++f) {
    const WindFarmBoundaryDef& farm = list.farms[f];
    Json ring = Json::array();
    for (const tagXY& corner : farm.outline) ring.push_back(Position(corner));
    if (!farm.outline.IsEmpty()) ring.push_back(Position(farm.outline[0]));
    features.push_back(Feature(
        "Polygon", Json::array({ring}),
        {{"name", Utf8(farm.name)}, {"description", Utf8(farm.description)}, {"centre", Position(farm.centre)}}));
  }
  return Collection(features);
}

}  // namespace windfarm_data
