#pragma once
// The built-in rows whose shift is not a Helmert step: the geographic-only
// family, the grid-file shifts (OSTN15, NADCON, Canadian NTv2) and the
// Norway rule. The grid shifts themselves live with their grid readers;
// these rows only name the transformation and its two ellipsoids, and
// carry zero Helmert parameters, except the Norway rows, whose Helmert
// step runs before the regional rule.

#include <array>

#include "geodesy/datum/WgsHelmertTable.h"

// Positions stay WGS 1984 latitude and longitude.
inline constexpr std::array<DatumRowDef, 1> kGeographicalsRows{{
    {"WGS 1984", "", "Geographicals Only", kWgs1984Row, kWgs1984Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
}};

inline constexpr std::array<DatumRowDef, 1> kOstnRows{{
    {"OSTN02", "OSGB 36", "1km Squares", kWgs1984Row, kAiry1830Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
}};

// Row 0 applies the ED87 parameters and then the ED87/ED50 rule
// (NorwayRule.h); rows 1 and 2 give way to each other at 62° north.
inline constexpr std::array<DatumRowDef, 3> kNorwayRows{{
    Renamed(kWgsHelmertRows[kWgsToEd87Row], "WGS 1984", "E.D. 50", "Statens Kartwerk"),
    kWgsHelmertRows[kNorwaySouth62Row],
    kWgsHelmertRows[kNorwayNorth62Row],
}};

// NAD27 lies on Clarke 1866, NAD83 and its high-precision densification
// HPGN on GRS80.
inline constexpr std::array<DatumRowDef, 6> kNadconRows{{
    {"NAD27", "NAD83", "", kClarke1866Row, kGrs80Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
    {"NAD83", "NAD27", "", kGrs80Row, kClarke1866Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
    {"NAD83", "HPGN", "", kGrs80Row, kGrs80Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
    {"HPGN", "NAD83", "", kGrs80Row, kGrs80Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
    {"NAD27", "HPGN", "", kClarke1866Row, kGrs80Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
    {"HPGN", "NAD27", "", kGrs80Row, kClarke1866Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
}};

// The national Canadian grid (NAD27 to NAD83) under its published name: a
// family-5 selection reads it from the Global data folder when the host
// has given the shift no grid of its own.
inline constexpr char kCanadianNationalGrid[] = "NTV2_0.GSB";

inline constexpr std::array<DatumRowDef, 1> kCanadaNtv2Rows{{
    {"NAD83", "NAD27", "Canada NTv2", kWgs1984Row, kClarke1866Row, 0, 0, 0, 0, 0, 0, 0, kPositionVector},
}};
