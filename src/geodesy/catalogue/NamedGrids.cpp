// The short named lists: Mercator (kind 5), the named conics (kind 6, rows
// 0 to 7), Cassini (7), Guam (8), stereographic (9), polyconic (10),
// oblique Mercator (11) and the Danish System 34 (14). Where EPSG publishes
// the grid its code stands beside the row and the values are EPSG's unless
// the module has always carried its own (the oracle test lists those).
// Rows without a code carry the values their names or the module's own
// rules give ("General", Portugal); the rows marked unpublished are grids
// whose definition we could not find, and are not made up.
//
// Each row: epsg, name, zone name, {ellipsoid row, variant, lat0, lon0,
// false easting, false northing, scale, lat1, lat2, azimuth, skew}.

#include "geodesy/catalogue/GridTables.h"

const GridRowDef kMercatorRows[5] = {
    {0, "General", "", {kNoEllipsoid, 0, 0, 0, 0, 0, 1}},
    {0, "Portugal", "", {kNoEllipsoid, 0, 33, -20, 0, 0, 1}},
    {0, "Mercator", "Origin Unknown", {kNoEllipsoid, 0, 0, 0, 0, 0, 1}},
    {0, "NZ 168.55", "New Zealnd", {}, false},
    {0, "LP Changi North", "Singapore", {}, false},
};

// The one-parallel grids use the near-conformal variant 0 with their
// scale on lat0 (the series is the exact conic to 0.07 mm within 1.5° of
// it); those with two parallels the exact conic, variant 2.
const GridRowDef kNamedConicRows[kNamedConicRowCount] = {
    {24200, "Jamaican National Grid", "Jamaica 1969", {7, 0, 18, -77, 250000, 150000, 1, 18}},
    {22391, "Nord Tunisie", "North of 38.5g", {10, 0, 36, 9.9, 500000, 300000, 0.999625544, 36}},
    {22392, "Sud Tunisie", "South of 38.5g", {10, 0, 33.3, 9.9, 500000, 300000, 0.999625769, 33.3}},
    {22700, "Syrian Arab Republic", "", {10, 0, 34.65, 37.35, 300000, 300000, 0.9996256, 34.65}},
    {3200, "Iraq Zone", "", {11, 0, 32.5, 45, 1500000, 1166200, 0.9987864078, 32.5}},
    {3991, "Puerto Rico", "CS27",
     {7, 2, 17.833333333333332, -66.43333333333334, 152400.3048006096, 0, 1, 18.433333333333334,
      18.033333333333335}},
    // China's national small-scale maps: parallels 25° and 47° N about 105° E.
    {0, "China", "", {21, 2, 0, 105, 0, 0, 1, 25, 47}},
    {0, "South Stream", "Black Sea", {}, false},
};

// The module's Qatar grid counts northings from 1 100 000 m, EPSG's
// (code 2099) from 100 000 m. The angles of this list are the radians the
// module has always stored, written in degrees.
const GridRowDef kCassiniRows[2] = {
    {2099, "Modified Grid", "Qatar", {18, 0, 25.382361111111113, 50.76138888888889, 100000, 1100000, 1}},
    {24500, " Grid", "Singapore", {16, 0, 1.2876466666666666, 103.85300222222222, 30000, 30000, 1}},
};

const GridRowDef kGuamRows[1] = {
    {3993, "Agana Monument 1945", "Guam", {7, 0, 13.472466352777777, 144.74875070555555, 50000, 50000, 1}},
};

const GridRowDef kStereographicRows[3] = {
    {22780, "Levant Oblique", "", {30, 0, 34.2, 39.15, 0, 0, 0.9995341}},
    {0, "Levant II", "", {30}, false},
    {28992, "Amersfoot", "(RD) System", {3, 0, 52.15616055555556, 5.387638888888889, 155000, 463000, 0.9999079}},
};

const GridRowDef kPolyconicRows[1] = {
    {29101, "Polyconic", "Brazil", {42, 0, 0, -54, 5000000, 10000000, 1}},
};

// The row is the variant: Borneo measures u from the centre, the others
// from the natural origin.
const GridRowDef kObliqueMercatorRows[4] = {
    {29873, "R.S.O.", "Borneo", {15, 0, 4, 115, 590476.87, 442857.65, 0.99984, 0, 0, 53.31582047222222,
                                 53.13010236111111}},
    {3168, "R.S.O.", "Malaysia", {16, 1, 4, 102.25, 804670.24, 0, 0.99984, 0, 0, 323.0257905, 323.13010236111114}},
    {26731, "Alaska (Zone 1)", "NAD 27", {7, 2, 57, -133.66666666666666, 5000000, -5000000, 0.9999, 0, 0,
                                          323.13010236111114, 323.13010236111114}},
    {26931, "Alaska (Zone 1)", "NAD 83", {17, 3, 57, -133.66666666666666, 5000000, -5000000, 0.9999, 0, 0,
                                          323.13010236111114, 323.13010236111114}},
};

// UTM zone 32 on the International ellipsoid; the row picks the region's
// polynomials.
const GridRowDef kSystem34Rows[2] = {
    {0, "Seelland", "System 34", {20, 0, 0, 9, 500000, 0, 0.9996}},
    {0, "Jylland", "System 34", {20, 0, 0, 9, 500000, 0, 0.9996}},
};
