#pragma once
// The host's offshore wind turbines, farm by farm. The host fills and draws
// the list; the module's dialogs show a farm's turbines, let the user pick
// the chosen farm and change the layer's display settings ("Turbines").

#include <cfloat>
#include <cstdint>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "frame/XY.h"
#include "windfarm/WindFarmLayer.h"

inline constexpr char kTurbinesSettingsGroup[] = "Turbines";

// A height the data does not know is 0 or the largest float.
inline constexpr float kHeightNotKnown = FLT_MAX;

enum class TurbineStatus : std::uint16_t { Live = 1, Planned = 2, UnderConstruction = 3, Decommissioned = 4 };

struct TurbineDef {
  std::uint16_t status = 0;  // TurbineStatus; any other value shows no status
  std::string feature;       // the turbine's name or number
  float nacelleHeight = 0;   // metres above MHWS
  float maximumHeight = 0;   // including the blade, above MHWS
  std::int32_t image = 0;    // in the turbine image list
  tagXY position;            // x longitude, y latitude, radians
  std::string remarks;
  float clearHeight = 0;  // of the blade tip above sea level at MHWS
  std::string airObstructionLights;
  std::string navigationLights;
  std::string fogSignal;
  float bladeRadius = 0;
  std::string farmName;
  std::string farmQualifier;  // shown in brackets after the farm name
};

struct WindFarmDef {
  std::vector<TurbineDef> turbines;
  std::string name;
};

class OVERLAYS_API CTurbineList : public CWindFarmLayer {
 public:
  CTurbineList();

  // Entry 0 stands for "no farm": the host puts a placeholder there, so a
  // list with farms has at least two entries.
  std::vector<WindFarmDef> farms;
};
