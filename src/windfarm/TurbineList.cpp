#include "windfarm/TurbineList.h"

namespace {

constexpr WindFarmLayerKeys kTurbineKeys = {kTurbinesSettingsGroup, "Display Turbines", "Label Turbines",
                                            "Colour Turbines", "Index"};

}  // namespace

CTurbineList::CTurbineList() : CWindFarmLayer(kTurbineKeys) {}
