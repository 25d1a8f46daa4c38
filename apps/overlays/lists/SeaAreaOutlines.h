#pragma once
// The host's sea areas: the 31 weather-forecast sea areas around the
// British Isles by their published names, in forecast order, with
// outlines for drawing.

#include "seaareas/SeaAreas.h"

namespace host {

// The areas with their outlines (radians), replacing any already held.
void FillSeaAreas(CSeaAreas& seaAreas);

}  // namespace host
