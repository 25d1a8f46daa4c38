#pragma once
// The two GeoJSON files of a wind farm package:
//
//   Turbines.geojson    a FeatureCollection of Points, one a turbine, with
//                       the properties farm, qualifier, feature, status,
//                       image, remarks, the heights nacelle_height,
//                       max_height, clear_height and blade_radius (metres;
//                       null where not known), and the texts
//                       air_obstruction_lights, navigation_lights and
//                       fog_signal;
//   Boundaries.geojson  a FeatureCollection of Polygons (one ring), one a
//                       farm, with the properties name, description and
//                       centre ([longitude, latitude]).
//
// Positions are degrees, as RFC 7946 has them; text is UTF-8. The lists get
// radians and Windows-1252 text, with entry 0 the placeholder for "no
// farm", and the turbines grouped into farms in the order the farms first
// appear.

#include <stdexcept>
#include <string>
#include <string_view>

#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"

namespace windfarm_data {

inline constexpr char kTurbinesFile[] = "Turbines.geojson";
inline constexpr char kBoundariesFile[] = "Boundaries.geojson";

// What is wrong with a file, in one line.
struct WindFarmDataError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Fill an empty list; throw WindFarmDataError for text that is not such a
// collection (the list is then left empty).
void ReadTurbines(std::string_view geojson, CTurbineList& list);
void ReadBoundaries(std::string_view geojson, CWindFarmBoundaryList& list);

// The files a list reads back from (the placeholder left out).
std::string WriteTurbines(const CTurbineList& list);
std::string WriteBoundaries(const CWindFarmBoundaryList& list);

}  // namespace windfarm_data
