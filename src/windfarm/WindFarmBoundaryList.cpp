#include "windfarm/WindFarmBoundaryList.h"

namespace {

constexpr WindFarmLayerKeys kBoundaryKeys = {kWindFarmBoundariesSettingsGroup, "Display Boundary", "Label Wind Farm",
                                             "Colour Boundary", "Index"};

}  // namespace

CWindFarmBoundaryList::CWindFarmBoundaryList() : CWindFarmLayer(kBoundaryKeys) {}
