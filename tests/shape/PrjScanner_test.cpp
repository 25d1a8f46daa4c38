// The .prj keyword scanner: the texts GDAL writes for real coordinate
// systems, the edge cases of the format, and text that is not WKT at all.

#include "shape/PrjScanner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "geodesy/angle/AngleUnits.h"
#include "geodesy/catalogue/GridCatalogue.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "geodesy/projection/GridSystem.h"
#include "support/TestMachine.h"

namespace {

// One line, no newline: GDAL 3.6.2, OSRImportFromEPSG then OSRMorphToESRI
// and OSRExportToWkt, which is also what ogr2ogr writes into a .prj.
constexpr char kWkt4326[] =
    R"(GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984",SPHEROID["WGS_1984",6378137.0,298.257223563]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]])";
constexpr char kWkt27700[] =
    R"(PROJCS["British_National_Grid",GEOGCS["GCS_OSGB_1936",DATUM["D_OSGB_1936",SPHEROID["Airy_1830",6377563.396,299.3249646]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]],PROJECTION["Transverse_Mercator"],PARAMETER["False_Easting",400000.0],PARAMETER["False_Northing",-100000.0],PARAMETER["Central_Meridian",-2.0],PARAMETER["Scale_Factor",0.9996012717],PARAMETER["Latitude_Of_Origin",49.0],UNIT["Meter",1.0]])";
constexpr char kWkt32631[] =
    R"(PROJCS["WGS_1984_UTM_Zone_31N",GEOGCS["GCS_WGS_1984",DATUM["D_WGS_1984",SPHEROID["WGS_1984",6378137.0,298.257223563]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]],PROJECTION["Transverse_Mercator"],PARAMETER["False_Easting",500000.0],PARAMETER["False_Northing",0.0],PARAMETER["Central_Meridian",3.0],PARAMETER["Scale_Factor",0.9996],PARAMETER["Latitude_Of_Origin",0.0],UNIT["Meter",1.0]])";
constexpr char kWkt2154[] =
    R"(PROJCS["RGF_1993_Lambert_93",GEOGCS["GCS_RGF_1993",DATUM["D_RGF_1993",SPHEROID["GRS_1980",6378137.0,298.257222101]],PRIMEM["Greenwich",0.0],UNIT["Degree",0.0174532925199433]],PROJECTION["Lambert_Conformal_Conic"],PARAMETER["False_Easting",700000.0],PARAMETER["False_Northing",6600000.0],PARAMETER["Central_Meridian",3.0],PARAMETER["Standard_Parallel_1",49.0],PARAMETER["Standard_Parallel_2",44.0],PARAMETER["Latitude_Of_Origin",46.5],UNIT["Meter",1.0]])";

// What a fresh shapefile's members hold before a .prj is read.
struct Scanned {
  Scanned() { StartNewGrid(grid, &ellipsoid); }
  PrjTargets Targets() { return {area, ellipsoid, grid, geographic}; }

  std::string area = "before";
  CSpheroid ellipsoid;
  CGridSystem grid;
  bool geographic = false;
};

// Expected values; an absent one must be as a fresh grid has it.
struct Expect {
  bool geographic;
  const char* area;
  const char* ellipsoid;
  double a, invFlattening;
  const char* gridName;
  std::optional<std::uint32_t> kind;
  double falseEasting, falseNorthing, lon0Degrees, scale, lat0Degrees;
};

struct Case {
  const char* what;
  std::string text;
  Expect expect;
};

void Check(const Case& c) {
  Scanned fresh, s;
  CPrjScanner(s.Targets()).Scan(c.text);
  const Expect& e = c.expect;
  SCOPED_TRACE(c.what);
  EXPECT_EQ(s.geographic, e.geographic);
  EXPECT_EQ(s.area, e.area);
  EXPECT_EQ(s.ellipsoid.name, e.ellipsoid);
  EXPECT_EQ(s.ellipsoid.a, e.a);
  EXPECT_EQ(s.ellipsoid.invFlattening, e.invFlattening);
  EXPECT_DOUBLE_EQ(s.ellipsoid.b, e.a * (1 - 1 / e.invFlattening));
  EXPECT_EQ(s.grid.name, e.gridName);
  EXPECT_EQ(s.grid.kind, e.kind.value_or(fresh.grid.kind));
  EXPECT_EQ(s.grid.falseEasting, e.falseEasting);
  EXPECT_EQ(s.grid.falseNorthing, e.falseNorthing);
  EXPECT_EQ(s.grid.lon0, e.lon0Degrees * kRadiansPerDegree);
  EXPECT_EQ(s.grid.scale, e.scale);
  EXPECT_EQ(s.grid.lat0, e.lat0Degrees * kRadiansPerDegree);
}

TEST(PrjScanner, TheTextsGdalWritesForRealCoordinateSystems) {
  const Scanned fresh;
  const std::string freshGrid = fresh.grid.name;
  const double freshFE = fresh.grid.falseEasting, freshK0 = fresh.grid.scale;
  const double freshLon0 = fresh.grid.lon0 / kRadiansPerDegree;
  const Case cases[] = {
      {"EPSG 4326", kWkt4326,
       {true, "WGS 1984", "WGS 1984", 6378137.0, 298.257223563, freshGrid.c_str(), {}, freshFE, 0, freshLon0,
        freshK0, 0}},
      {"EPSG 27700", kWkt27700,
       {false, "OSGB 1936", "Airy 1830", 6377563.396, 299.3249646, "British National Grid", 1u, 400000, -100000,
        -2, 0.9996012717, 49}},
      {"EPSG 32631", kWkt32631,
       {false, "WGS 1984", "WGS 1984", 6378137.0, 298.257223563, "WGS 1984 UTM Zone 31N", 1u, 500000, 0, 3,
        0.9996, 0}},
      // No kind of its own: the kind stays, the parameters are still taken,
      // and the one-parallel variant takes Standard_Parallel_1 as its
      // origin until Latitude_Of_Origin follows.
      {"EPSG 2154", kWkt2154,
       {false, "RGF 1993", "GRS 1980", 6378137.0, 298.257222101, "RGF 1993 Lambert 93", {}, 700000, 6600000, 3,
        1.0, 46.5}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(PrjScanner, EdgeCasesOfTheKeywordScanner) {
  const Scanned fresh;
  const std::string freshGrid = fresh.grid.name;
  const double fFE = fresh.grid.falseEasting, fK0 = fresh.grid.scale, fLon0 = fresh.grid.lon0 / kRadiansPerDegree;
  const double fA = fresh.ellipsoid.a, fInv = fresh.ellipsoid.invFlattening;
  const char* fName = fresh.ellipsoid.name.c_str();
  const Case cases[] = {
      {"Mercator_1SP selects kind 5 and resets the grid",
       R"(PROJCS["M",PROJECTION["Mercator_1SP"],PARAMETER["Scale_Factor",0.5]])",
       {false, "before", fName, fA, fInv, "M", 5u, 0, 0, 0, 0.5, 0}},
      {"a projection without a name gives its own",
       R"(PROJCS["",PROJECTION["Transverse_Mercator"],UNIT["Meter",1.0]])",
       {false, "before", fName, fA, fInv, "Transverse_Mercator", 1u, 0, 0, 0, 1.0, 0}},
      {"a sphere's inverse flattening 0 is stored as 297", R"(GEOGCS["S",SPHEROID["Sphere",6371000,0]])",
       {true, "S", "Sphere", 6371000, 297, freshGrid.c_str(), {}, fFE, 0, fLon0, fK0, 0}},
      {"an inverse flattening of 400 is stored as 297", R"(SPHEROID["Odd",6378000,400]])",
       {true, "before", "Odd", 6378000, 297, freshGrid.c_str(), {}, fFE, 0, fLon0, fK0, 0}},
      {"parameter names ignore case; a misspelt one is ignored",
       R"(PROJCS["P",PROJECTION["Transverse_Mercator"],PARAMETER["central_meridian",-2.0],PARAMETER["Central_Meridan",9],PARAMETER["SCALE_FACTOR",0.9996]])",
       {false, "before", fName, fA, fInv, "P", 1u, 0, 0, -2, 0.9996, 0}},
      {"AUTHORITY and TOWGS84 are passed over",
       R"(GEOGCS["G",DATUM["D_X_Y",SPHEROID["E",6378388,297,AUTHORITY["EPSG","7022"]],TOWGS84[1,2,3]],AUTHORITY["EPSG",4230]])",
       {true, "X Y", "E", 6378388, 297, freshGrid.c_str(), {}, fFE, 0, fLon0, fK0, 0}},
      {"a spheroid cut after its semi-major axis keeps only its name", R"(SPHEROID["Cut",6378000)",
       {true, "before", "Cut", fA, fInv, freshGrid.c_str(), {}, fFE, 0, fLon0, fK0, 0}},
      {"a parameter without its bracket is not stored", R"(PROJCS["Q",PARAMETER["False_Easting",5)",
       {true, "before", fName, fA, fInv, "Q", {}, fFE, 0, fLon0, fK0, 0}},
      {"numbers are read as far as they go", R"(PROJCS["N",PROJECTION["Mercator"],PARAMETER["False_Easting", 12.5e3xyz],PARAMETER["False_Northing",none]])",
       {false, "before", fName, fA, fInv, "N", 5u, 12500, 0, 0, 1.0, 0}},
      {"no bracket at all", "GEOGCS", {true, "before", fName, fA, fInv, freshGrid.c_str(), {}, fFE, 0, fLon0, fK0, 0}},
      {"binary junk", std::string("\x00[\xff,PROJECTION[\x01,\x80]]]", 21),
       {false, "before", fName, fA, fInv, freshGrid.c_str(), {}, 0, 0, 0, 1.0, 0}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(PrjScanner, TheFileBesideTheShapefileGivesItsFirstLineOnly) {
  testing_support::TestMachine machine;
  machine.Write("C:\\maps\\coast.prj", std::string(kWkt4326) + "\nPROJCS[\"Second\",PROJECTION[\"Mercator\"]]\n");
  machine.Write("C:\\maps\\empty.prj", "");
  machine.Write("C:\\maps\\huge.prj", std::string(1 << 20, '[') + "\n");
  const struct {
    const char* shape;
    bool read;
    bool geographic;
    const char* area;
  } cases[] = {
      {"C:\\maps\\coast.shp", true, true, "WGS 1984"},
      {"C:\\maps\\coast", true, true, "WGS 1984"},
      {"C:\\maps\\empty.shp", false, false, "before"},
      {"C:\\maps\\missing.shp", false, false, "before"},
      {"C:\\maps\\huge.shp", true, true, "before"},
  };
  for (const auto& c : cases) {
    Scanned s;
    EXPECT_EQ(ReadPrjFile(c.shape, s.Targets()), c.read) << c.shape;
    EXPECT_EQ(s.geographic, c.geographic) << c.shape;
    EXPECT_EQ(s.area, c.area) << c.shape;
  }
}

}  // namespace
