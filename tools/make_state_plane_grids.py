#!/usr/bin/env python3
"""Writes the US state plane rows of the grid catalogue from PROJ's copy of
the EPSG dataset (proj.db): the NAD 83 Transverse Mercator zones (kind 4),
the NAD 83 Lambert zones (kind 6 from row 8) and the NAD 27 zones by zone
code (kind 12). Each row keeps the EPSG code of its projected CRS, so the
oracle test can ask PROJ for the same conversion.

    tools/make_state_plane_grids.py [/usr/share/proj/proj.db] > src/geodesy/catalogue/StatePlaneGrids.cpp

The names are the catalogue's own (spelling included); the parameters are
EPSG's, angles in degrees and lengths in metres.
"""

import sqlite3
import sys

US_FOOT = 1200 / 3937
LENGTH_UNITS = {"9001": 1.0, "9002": 0.3048, "9003": US_FOOT}

# Row order and names of kind 4; each zone's EPSG name is "NAD83 / " + the
# second field.
NAD83_TM = [
    ("Alabama East", "Alabama East"), ("Alabama Wast", "Alabama West"),
    *[(f"Alaska Zone {z}", f"Alaska zone {z}") for z in range(2, 10)],
    ("Arizona East", "Arizona East"), ("Arizona Central", "Arizona Central"), ("Arizona West", "Arizona West"),
    ("Delaware", "Delaware"), ("Florida East", "Florida East"), ("Florida West", "Florida West"),
    ("Georgia East", "Georgia East"), ("Georgia West", "Georgia West"),
    *[(f"Hawaii Zone {z}", f"Hawaii zone {z}") for z in range(1, 6)],
    ("Idaho East", "Idaho East"), ("Idaho Central", "Idaho Central"), ("Idaho West", "Idaho West"),
    ("Illinois East", "Illinois East"), ("Illinois West", "Illinois West"),
    ("Indianna East", "Indiana East"), ("Indianna West", "Indiana West"),
    ("Maine East", "Maine East"), ("Maine West", "Maine West"),
    ("Mississippi East", "Mississippi East"), ("Mississippi West", "Mississippi West"),
    ("Missouri East", "Missouri East"), ("Missouri Central", "Missouri Central"), ("Missouri West", "Missouri West"),
    ("Nevada East", "Nevada East"), ("Nevada Central", "Nevada Central"), ("Nevada West", "Nevada West"),
    ("New Hampshire", "New Hampshire"), ("New Jersey", "New Jersey"),
    ("New Mexico East", "New Mexico East"), ("New Mexico Central", "New Mexico Central"),
    ("New Mexico West", "New Mexico West"),
    ("New York East", "New York East"), ("New York Central", "New York Central"), ("New York West", "New York West"),
    ("Rhode Island", "Rhode Island"), ("Vermont", "Vermont"),
    ("Wyoming East", "Wyoming East"), ("Wyoming East Central", "Wyoming East Central"),
    ("Wyoming West Central", "Wyoming West Central"), ("Wyoming West", "Wyoming West"),
]

NAD83_LAMBERT = [
    ("Alaska Zone 10", "Alaska zone 10"), ("Arkansas North", "Arkansas North"), ("Arkansas South", "Arkansas South"),
    *[(f"California {z}", f"California zone {z}") for z in range(1, 7)],
    ("Colorado North", "Colorado North"), ("Colorado Central", "Colorado Central"),
    ("Colorado South", "Colorado South"), ("Connecticut", "Connecticut"), ("Florida North", "Florida North"),
    ("Iowa North", "Iowa North"), ("Iowa South", "Iowa South"), ("Kansas North", "Kansas North"),
    ("Kansas South", "Kansas South"), ("Kentucky North", "Kentucky North"), ("Kentucky South", "Kentucky South"),
    ("Louisiana North", "Louisiana North"), ("Louisiana South", "Louisiana South"),
    ("Louisiana Offshore", "Louisiana Offshore"), ("Maryland", "Maryland"), ("Mass Mainland", "Massachusetts Mainland"),
    ("Mass Island", "Massachusetts Island"), ("Michigan North", "Michigan North"),
    ("Michigan Central", "Michigan Central"), ("Michigan South", "Michigan South"),
    ("Minnesota North", "Minnesota North"), ("Minnesota Central", "Minnesota Central"),
    ("Minnesota South", "Minnesota South"), ("Montana", "Montana"), ("Nebraska", "Nebraska"),
    ("New York Long Island", "New York Long Island"), ("North Carolina", "North Carolina"),
    ("North Dakota North", "North Dakota North"), ("North Dakota South", "North Dakota South"),
    ("Ohio North", "Ohio North"), ("Ohio South", "Ohio South"), ("Oklahoma North", "Oklahoma North"),
    ("Oklahoma South", "Oklahoma South"), ("Oregan North", "Oregon North"), ("Oregan South", "Oregon South"),
    ("Pennsylvania North", "Pennsylvania North"), ("Pennsylvania South", "Pennsylvania South"),
    ("South Carolina", "South Carolina"), ("South Dakota North", "South Dakota North"),
    ("South Dakota South", "South Dakota South"), ("Tennessee", "Tennessee"), ("Texas North", "Texas North"),
    ("Texas North Central", "Texas North Central"), ("Texas Central", "Texas Central"),
    ("Texas South Central", "Texas South Central"), ("Texas South", "Texas South"), ("Utah North", "Utah North"),
    ("Utah Central", "Utah Central"), ("Utah South", "Utah South"), ("Virginia North", "Virginia North"),
    ("Virginia South", "Virginia South"), ("Washington North", "Washington North"),
    ("Washington South", "Washington South"), ("West Virginia North", "West Virginia North"),
    ("West Virginia South", "West Virginia South"), ("Wisconsin North", "Wisconsin North"),
    ("Wisconsin Central", "Wisconsin Central"), ("Wisconsin South", "Wisconsin South"),
    ("Puerto Rico/Virgin I", "Puerto Rico & Virgin Is."),
]


def parts(state, *zones):
    return [f"{state} ({z})" for z in zones]


# The NAD 27 zones in code order as the catalogue lists them: (code, name,
# EPSG name). Hawaii's zones are on the Old Hawaiian datum.
def nad27_zones():
    rows = []

    def add(codes, names, epsg_names):
        rows.extend(zip(codes, names, epsg_names))

    def state(codes, state_name, zones, epsg_zones=None):
        add(codes, parts(state_name, *zones), [f"NAD27 / {state_name} {z}" for z in (epsg_zones or zones)])

    state([101, 102], "Alabama", ["East", "West"])
    add(range(5001, 5011), [f"Alaska (Zone {z})" for z in range(1, 11)],
        [f"NAD27 / Alaska zone {z}" for z in range(1, 11)])
    state([201, 202, 203], "Arizona", ["East", "Central", "West"])
    state([301, 302], "Arkansas", ["North", "South"])
    roman = ["I", "II", "III", "IV", "V", "VI", "VII"]
    add(range(401, 408), [f"California {r}" for r in roman], [f"NAD27 / California zone {r}" for r in roman])
    state([501, 502, 503], "Colorado", ["North", "Central", "South"])
    add([600, 700], ["Connecticut", "Delaware"], ["NAD27 / Connecticut", "NAD27 / Delaware"])
    state([901, 902, 903], "Florida", ["East", "West", "North"])
    state([1001, 1002], "Georgia", ["East", "West"])
    add(range(5101, 5106), [f"Hawaii (Zone {z})" for z in range(1, 6)],
        [f"Old Hawaiian / Hawaii zone {z}" for z in range(1, 6)])
    state([1101, 1102, 1103], "Idaho", ["East", "Central", "West"])
    state([1201, 1202], "Illinois", ["East", "West"])
    state([1301, 1302], "Indiana", ["East", "West"])
    state([1401, 1402], "Iowa", ["North", "South"])
    state([1501, 1502], "Kansas", ["North", "South"])
    state([1601, 1602], "Kentucky", ["North", "South"])
    state([1701, 1702, 1703], "Louisiana", ["North", "South", "Offshore"])
    state([1801, 1802], "Maine", ["East", "West"])
    add([1900, 2001, 2002], ["Maryland", "Massachusetts M'land", "Massachusetts Island"],
        ["NAD27 / Maryland", "NAD27 / Massachusetts Mainland", "NAD27 / Massachusetts Island"])
    state([2101, 2102, 2103], "Michigan", ["East", "Central", "West"], ["East", "Old Central", "West"])
    state([2111, 2112, 2113], "Michigan", ["North", "Central", "South"])
    state([2201, 2202, 2203], "Minnesota", ["North", "Central", "South"])
    state([2301, 2302], "Mississippi", ["East", "West"])
    state([2401, 2402, 2403], "Missouri", ["East", "Central", "West"])
    state([2501, 2502, 2503], "Montana", ["North", "Central", "South"])
    state([2601, 2602], "Nebraska", ["North", "South"])
    state([2701, 2702, 2703], "Nevada", ["East", "Central", "West"])
    add([2800, 2900], ["New Hampshire", "New Jersey"], ["NAD27 / New Hampshire", "NAD27 / New Jersey"])
    state([3001, 3002, 3003], "New Mexico", ["East", "Central", "West"])
    state([3101, 3102, 3103], "New York", ["East", "Central", "West"])
    add([3104, 3200], ["New York Long Island", "North Carolina"],
        ["NAD27 / New York Long Island", "NAD27 / North Carolina"])
    state([3301, 3302], "North Dakota", ["North", "South"])
    state([3401, 3402], "Ohio", ["North", "South"])
    state([3501, 3502], "Oklahoma", ["North", "South"])
    state([3601, 3602], "Oregon", ["North", "South"])
    add([3701, 3702, 3800, 3901, 3902],
        ["Pennysylvania North", "Pennysylvania South", "Rhode Island", "South Carolina North", "South Carolina South"],
        ["NAD27 / Pennsylvania North", "NAD27 / Pennsylvania South", "NAD27 / Rhode Island",
         "NAD27 / South Carolina North", "NAD27 / South Carolina South"])
    state([4001, 4002], "South Dakota", ["North", "South"])
    add([4100], ["Tennessee"], ["NAD27 / Tennessee"])
    state(range(4201, 4206), "Texas", ["North", "North Central", "Central", "South Central", "South"])
    state([4301, 4302, 4303], "Utah", ["North", "Central", "South"])
    add([4400], ["Vermont"], ["NAD27 / Vermont"])
    state([4501, 4502], "Virginia", ["North", "South"])
    state([4601, 4602], "Washington", ["North", "South"])
    add([4701, 4702], ["West Virginia North", "West Virginia South"],
        ["NAD27 / West Virginia North", "NAD27 / West Virginia South"])
    state([4801, 4802, 4803], "Wisconsin", ["North", "Central", "South"])
    add([4901, 4902, 4903, 4904],
        ["Wyoming (East)", "Wyoming East Central", "Wyoming West Central", "Wyoming (West)"],
        [f"NAD27 / Wyoming {z}" for z in ["East", "East Central", "West Central", "West"]])
    return rows


def sexagesimal(value):
    """EPSG's DDD.MMSSsss unit (9110) in degrees."""
    sign = -1 if value < 0 else 1
    text = f"{abs(value):.10f}"
    whole, fraction = text.split(".")
    minutes = int(fraction[0:2])
    seconds = float(fraction[2:4] + "." + fraction[4:])
    return sign * (int(whole) + minutes / 60 + seconds / 3600)


def convert(value, uom):
    if value is None:
        return 0.0
    if uom == "9110":
        return sexagesimal(value)
    if uom in ("9102", "9201"):
        return value
    return value * LENGTH_UNITS[uom]


def conversion(db, crs_name):
    row = db.execute(
        "select p.code, c.method_code, " +
        ", ".join(f"c.param{i}_value, c.param{i}_uom_code" for i in range(1, 8)) +
        " from projected_crs p join conversion_table c on c.auth_name = p.conversion_auth_name"
        " and c.code = p.conversion_code where p.auth_name = 'EPSG' and p.deprecated = 0 and p.name = ?",
        (crs_name,)).fetchone()
    if row is None:
        sys.exit(f"no EPSG projected CRS named {crs_name!r}")
    code, method = row[0], str(row[1])
    values = [convert(row[2 + 2 * i], str(row[3 + 2 * i])) for i in range(7)]
    return int(code), method, values


# A GridRowDef: epsg, name, zone name, then its GridParameters: ellipsoid
# row, variant, lat0, lon0, false easting, false northing, scale, lat1,
# lat2, azimuth, skew.
def row_text(code, name, zone, ellipsoid, variant, lat0, lon0, fe, fn, k0, lat1=0.0, lat2=0.0, az=0.0, skew=0.0):
    numbers = ", ".join(f"{v!r}" for v in (lat0, lon0, fe, fn, k0, lat1, lat2, az, skew))
    return f'    {{{code}, "{name}", "{zone}", {{{ellipsoid}, {variant}, {numbers}}}}},'


TRANSVERSE_MERCATOR, LAMBERT_2SP, LAMBERT_MICHIGAN, HOTINE_A = "9807", "9802", "1051", "9812"


def state_plane_row(db, name, zone, crs_name, ellipsoid, variants):
    code, method, p = conversion(db, crs_name)
    if method == TRANSVERSE_MERCATOR:
        return row_text(code, name, zone, ellipsoid, variants["tm"], p[0], p[1], p[3], p[4], p[2])
    if method in (LAMBERT_2SP, LAMBERT_MICHIGAN):
        return row_text(code, name, zone, ellipsoid, variants["lcc"], p[0], p[1], p[4], p[5], 1.0, p[2], p[3])
    if method == HOTINE_A:
        return row_text(code, name, zone, ellipsoid, 3, p[0], p[1], p[5], p[6], p[4], az=p[2], skew=p[3])
    sys.exit(f"{crs_name}: method {method} has no kind here")


GRS80, CLARKE_1866 = 17, 7


def main():
    db = sqlite3.connect(sys.argv[1] if len(sys.argv) > 1 else "/usr/share/proj/proj.db")
    out = [
        "// Generated by tools/make_state_plane_grids.py from PROJ's proj.db (the",
        "// EPSG dataset): the US state plane zones, NAD 83 in metres on GRS80 and",
        "// NAD 27 (kind 12) by zone code on Clarke 1866, whose coast-survey",
        "// formulas take the zone's published definition. Edit the script, not",
        "// this file.",
        "",
        '#include "geodesy/catalogue/GridTables.h"',
        "",
        "const GridRowDef kStatePlane83TransverseMercatorRows[kStatePlane83TransverseMercatorRowCount] = {",
    ]
    nad83 = {"tm": 0, "lcc": 2}
    out += [state_plane_row(db, n, "NAD 83", "NAD83 / " + e, GRS80, nad83) for n, e in NAD83_TM]
    out += ["};", "", "const GridRowDef kStatePlane83LambertRows[kStatePlane83LambertRowCount] = {"]
    out += [state_plane_row(db, n, "NAD 83", "NAD83 / " + e, GRS80, nad83) for n, e in NAD83_LAMBERT]
    out += ["};", "", "const GridRowDef kStatePlane27Rows[kStatePlane27RowCount] = {"]
    nad27 = {"tm": 2, "lcc": 1}
    out += [state_plane_row(db, n, f"Code {c:4d}", e, CLARKE_1866, nad27) for c, n, e in nad27_zones()]
    out += ["};", ""]
    print("\n".join(out))
    print(f"{len(NAD83_TM)} {len(NAD83_LAMBERT)} {len(nad27_zones())}", file=sys.stderr)


main()
