#pragma once
// The built-in local-to-local transformations: both sides are local datums,
// so each row names its "From" ellipsoid as well. Units as in
// WgsHelmertTable.h.

#include <array>

#include "geodesy/datum/DatumRowDef.h"

inline constexpr std::array<DatumRowDef, 8> kLocalHelmertRows{{
    {"E.D. 50", "RD", "Dutch", 20, 3, -654.54, -143.71, -588.94, -0.4094, 0.3597, -1.7125, -2.8772, kCoordinateFrame},
    {"E.D. 87", "LU(HAY)", "Luxembourg", 20, 20, 0.502, -0.147, 0.515, -2.905217, -7.215093, 5.252694, 0, kPositionVector},
    {"Spain ED50", "Medgaz ED50", "Spainish Landfall", 20, 20, -26.248, 7.015, -26.052, 0, 0, 0, 0, kPositionVector},
    {"Nord Sahara", "Medgaz ED50", "Algerian Landfall", 11, 20, -42.512, 38.454, 450.168, 0, 0, 0, 0, kPositionVector},
    {"Moudi", "WGS72", "Cameroon", 10, 35, -56.7, -171.8, -40.6, 0, 0, 0, 0, kPositionVector},
    {"ED87", "E.D. 50", "South of Lat 62N", 20, 20, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
    {"ED87", "E.D. 50", "North of Lat 65N", 20, 20, 1.51, 0.84, 3.5, 0.3904592782258739, 0.14170392189179892, 0.5701159244671503, -0.609, kPositionVector},
    {"MHAST (MALONGO 1987", "CAMAXUPA VUMBA TUMBA", "Cabinda", 20, 12, -203.2, 342.2, 130.7, 0, 0, 0, 0, kPositionVector},}};

// ED87 to ED50 north of 65°: the Helmert half of the Norway rule.
inline constexpr std::uint32_t kEd87ToEd50NorthRow = 6;
