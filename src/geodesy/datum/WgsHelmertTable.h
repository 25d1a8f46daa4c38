#pragma once
// The built-in transformations from WGS 1984 (and its near relatives ETRS89,
// ETRF89 and the ITRF realisations, taken as the same frame) to the local
// datums of the charted world. Names are the system's own texts, odd
// spellings included, since users pick rows by them. Translations in
// metres, rotations in arc-seconds, scale in ppm; "To" ellipsoids are rows
// of kEllipsoidTable.
//
// Provenance: the published national and industry parameter sets of each
// datum. Users and their saved settings pick a row by its position, so rows
// are only ever added at the end.

#include <array>

#include "geodesy/datum/DatumRowDef.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"

inline constexpr std::array<DatumRowDef, 58> kWgsHelmertRows{{
    {"WGS 1984", "E.D. 50", "Precise Ephemeris", kWgs1984Row, 20, 89.5, 93.8, 127.6, 0, 0, 0.97, -1.8, kPositionVector},
    {"WGS 1984", "E.D. 50", "Broadcast Ephemeris", kWgs1984Row, 20, 83, 110, 118, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "E.D. 50", "UKOOA Recommended", kWgs1984Row, 20, 89.5, 93.8, 123.1, 0, 0, 0.156, -1.2, kPositionVector},
    {"WGS 1984", "E.D. 50", "Algeria to Spain", kWgs1984Row, 20, 88, 109, 122, 0, 0, 0.156, -1.2, kPositionVector},
    {"WGS 1984", "E.D. 50", "Spain National System", kWgs1984Row, 20, 108.282, 106.108, 143.491, 0, 0, 0, 1, kPositionVector},
    {"ETRS89/WGS84", "OSGB36", "Helmert transformation", kWgs1984Row, 0, -446.448, 125.157, -542.06, -0.1502, -0.247, -0.8421, 20.4894, kPositionVector},
    {"WGS 1984", "Nord Sahara", "Algeria", kWgs1984Row, 11, 195.939, 73.037, -281.822, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "E.D. 87", "", kWgs1984Row, 20, 82.981, 99.719, 110.709, 0.10470001565105842, -0.031001600378948148, -0.08040202147514297, 0.3143, kPositionVector},
    {"WGS 1984", "Nahrwan", "Middle East", kWgs1984Row, 11, 233.4, 160.7, -381.5, 0, 0, 0.5544, -0.2263, kCoordinateFrame},
    {"WGS 1984", "Kalyanpur", "South Bassien corrns", kWgs1984Row, 14, -280, -720, -231.9, 0, 0, -0.814, 0.38, kPositionVector},
    {"WGS 1984", "AGD 1984", "Australian", kWgs1984Row, 2, 116, 50.47, -141.69, 0.23, 0.39, 0.344, -0.0983, kCoordinateFrame},
    {"WGS 1984", "RD", "Dutch", kWgs1984Row, 3, -565.04, -49.91, -465.84, -0.4094, 0.3597, -1.8685, -4.0772, kCoordinateFrame},
    {"WGS 1984", "Portugese", "Portugal", kWgs1984Row, 20, 302.9, 61.84, -105, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Pulkovo", "Azerbaijan", kWgs1984Row, 21, -27, 135, 84, 0, 0, -0.554, -0.2263, kPositionVector},
    {"WGS 1984", "Pulkovo 1940", "Caspian Sea", kWgs1984Row, 21, -926.4, 715.9, 186.4, 10.364, 20.78, -26.452, 7.224, kPositionVector},
    {"WGS 1984", "Kuwait", "KTM", kWgs1984Row, 26, -18.5, 17.4, -0.4, 0, 0, 0, 0, kPositionVector},
    {"Kuwait", "Ain El Abd", "(1970) Saudi", kWgs1984Row, 20, 117.6, 252.2, -5.39, 0, 0, 0, 0, kPositionVector},
    {"Kuwait", "Ain El Abd", "Saudi (2)", kWgs1984Row, 11, 262.7, 198.8, -532.7, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Everest", "Indian", kWgs1984Row, 14, -280, -720, -231.9, 0, 0, -0.814, 0.38, kPositionVector},
    {"WGS 1984", "Minna", "Nigeria", kWgs1984Row, 11, 93.2, 93.31, -121.156, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Minna", "S.Nigeria", kWgs1984Row, 11, 111.92, 87.85, -114.5, -1.875, -0.202, -0.219, -0.032, kPositionVector},
    {"WGS 1984", "Timbalai", "North Borneo", kWgs1984Row, 15, 533.4, -669.2, 52.5, 0, 0, 4.28, -9.4, kCoordinateFrame},
    {"ETRF89", "Ireland 1975", "Ireland", kWgs1984Row, 1, -482.53, 130.596, -564.557, -1.042, -0.214, -0.631, -8.15, kCoordinateFrame},
    {"WGS 1984", "Clarke 1866", "Puerto Rico", kWgs1984Row, 7, -11, -72, 101, 0, 0, 0, 0, kCoordinateFrame},
    {"WGS 1984", "Moudi", "Cameroon (via WGS72)", kWgs1984Row, 10, 56.7, 171.8, 38.7, 0, 0, -0.814, 0.38, kPositionVector},
    {"WGS 1984", "Ebome", "Cameroon", kWgs1984Row, 10, 58.14, 154.7, 36, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "M'Poraloko", "Gabon", kWgs1984Row, 10, 80.69, 132.49, -41.14, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Arc 1950", "Congo (Zaire)", kWgs1984Row, 12, 169, 19, 278, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "La Canoa 1956", "Venezuela", kWgs1984Row, 20, 273.5, -110.6, 357.9, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "ED-77", "Iran", kWgs1984Row, 20, 122.89, 159.08, 168.74, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Ain Al Abd", "Saudi", kWgs1984Row, 20, 140.1151, 270.0292, -21.4383, 0.4864, 1.6614, 1.5513, -1.7503, kCoordinateFrame},
    {"WGS 1984", "Nahrwan", "Zakum", kWgs1984Row, 11, 245.76, 152.12, -382.81, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Nahrwan", "Qatar", kWgs1984Row, 11, 250.2, 153.09, -391.7, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "NZGD49", "New Zealand", kWgs1984Row, 20, -59.47, 5.04, -187.44, 0.47, -0.1, 1.024, 4.5993, kCoordinateFrame},
    {"WGS 1984", "SAD-69", "South America", kWgs1984Row, 42, 66.87, -4.37, 38.52, 0, 0, 0, 0, kPositionVector},
    {"ITRF 2000", "QND95", "Qatar", kWgs1984Row, 20, 119.4248, 303.65872, 11.00061, 1.164298, 0.174458, 1.096259, -3.657065, kCoordinateFrame},
    {"ITRF 2000", "QNG-DEL", "Qatar", kWgs1984Row, 20, 121.3213, 267.4665, -7.3981, 0.88568, 0.03031, 0.12509, 1.4615, kCoordinateFrame},
    {"ITRF2008", "ETRS89", "Nord Stream 2", kWgs1984Row, 17, 0.81244, 0.7854, -0.62483, -0.027196, 0.016411, 0.026245, -0.01362, kCoordinateFrame},
    {"ITRF2022.5", "ETRS89", "Baltic", kWgs1984Row, 17, 1.01673, 1.22806, -0.85601, -0.041514, 0.02212, 0.037257, -0.01452, kCoordinateFrame},
    {"WGS 1984", "ONGC", "India", kWgs1984Row, 14, -280, -720, -231.9, 0, 0, -0.814, 0.38, kPositionVector},
    {"WGS 1984", "NHO", "India", kWgs1984Row, 36, -295.02, -677.01, -219.04, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "NHO (New)", "India", kWgs1984Row, 36, -295, -736, -257, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "E.D. 50", "Norway South 62", kWgs1984Row, 20, 90.365, 101.13, 123.384, -0.333, -0.077, -0.894, -1.994, kPositionVector},
    {"WGS 1984", "E.D. 50", "Norway North 62", kWgs1984Row, 20, 116.641, 56.931, 110.559, -0.893, -0.921, 0.917, 3.52, kPositionVector},
    {"WGS 1984", "Indian 1975", "Thailand - Bongkot", kWgs1984Row, 14, -204.64, -834.74, -293.8, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Carthage", "DMA-Tunisia", kWgs1984Row, 11, 263, -6, -431, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Carthage", "ELF-Tunisia", kWgs1984Row, 11, 260.1, -5.5, -432.2, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Sol-Isr", "Israel", kWgs1984Row, 17, 48, -55, -52, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Gauss Boaga West", "Italy", kWgs1984Row, 20, 237.2, 57.7, -19.4, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Rome 1940", "Italy", kWgs1984Row, 20, 229.08, 65.73, -20.21, 0, 0, 0, 0.996, kPositionVector},
    {"WGS 1984", "Adibjan 1987", "Cote d'Ivoire", kWgs1984Row, 11, 124.76, -53, -466.79, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Accra", "Ghana", kWgs1984Row, 25, 199, -32, -322, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Pulkovo 1942", "Eastern Europe", kWgs1984Row, 21, -686.1, 123.5, 574.4, -8.045, 23.366, -10.791, 2.926, kPositionVector},
    {"WGS 1984", "Potsdam", "Germany", kWgs1984Row, 3, -599.4, -72.4, -419.2, 0.062, 0.022, 2.723, 6.46, kPositionVector},
    {"WGS 1984", "Pointe-Noire", "Congo 1960", kWgs1984Row, 10, 178.3, 316.7, 131.5, -5.278, -6.077, -10.979, -19.166, kPositionVector},
    {"WGS 1984", "MHAST (Monongo 1987)", "Cabinda", kWgs1984Row, 20, 254.1, 5.5, 100.3, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Camacupa Vumbatumba", "Cabinda", kWgs1984Row, 12, 50.9, 347.6, 231, 0, 0, 0, 0, kPositionVector},
    {"WGS 1984", "Greek GRS 1897", "Greece", kWgs1984Row, 17, 199.87, -74.79, -246.62, 0, 0, 0, 0, kPositionVector},}};

// Rows that other families reuse.
inline constexpr std::uint32_t kWgsToEd87Row = 7;
inline constexpr std::uint32_t kNorwaySouth62Row = 42;
inline constexpr std::uint32_t kNorwayNorth62Row = 43;
