#pragma once
// Small turbine and boundary lists as a host fills them: entry 0 the
// placeholder, then farms with names in mixed case.

#include <initializer_list>
#include <string>

#include "geodesy/angle/AngleUnits.h"
#include "windfarm/TurbineList.h"
#include "windfarm/WindFarmBoundaryList.h"

namespace windfarm_fixtures {

inline tagXY Degrees(double longitude, double latitude) {
  return {longitude / kDegreesPerRadian, latitude / kDegreesPerRadian};
}

inline TurbineDef Turbine(std::string feature, std::uint16_t status, tagXY position, std::string farm) {
  TurbineDef t;
  t.status = status;
  t.feature = std::move(feature);
  t.position = position;
  t.image = status;
  t.farmName = std::move(farm);
  t.farmQualifier = "Phase 1";
  t.remarks = "Remarks of " + t.feature;
  return t;
}

// Farms named as given after the placeholder, each with the turbines given.
inline CTurbineList Turbines(std::initializer_list<std::pair<const char*, std::vector<TurbineDef>>> farms) {
  CTurbineList list;
  list.farms.push_back({});
  for (const auto& [name, turbines] : farms) list.farms.push_back({turbines, name});
  return list;
}

inline CWindFarmBoundaryList Boundaries(std::initializer_list<const char*> names) {
  CWindFarmBoundaryList list;
  list.farms.push_back({});
  double shift = 0;
  for (const char* name : names) {
    WindFarmBoundaryDef farm;
    farm.name = name;
    farm.description = std::string(name) + " offshore array";
    farm.centre = Degrees(2.5 + shift, 54.25);
    for (const auto& [lon, lat] : {std::pair{2.4, 54.2}, {2.6, 54.2}, {2.6, 54.3}})
      farm.outline.Add(Degrees(lon + shift, lat));
    list.farms.push_back(std::move(farm));
    shift += 1;
  }
  return list;
}

}  // namespace windfarm_fixtures
