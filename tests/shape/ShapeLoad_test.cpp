// Loading a shapefile into CShape: every shape type, the naming rules, the
// length of each entity against GeographicLib, and files that lie.

#include "shape/Shape.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ShapeFixtures.h"
#include "shape/ShapeTypes.h"

namespace {

using shape_fixtures::GeographicLibLength;
using shape_fixtures::WriteShape;
using testing_support::TestMachine;

// Method 0 of the module's geodesic is within 0.06 mm of the exact geodesic
// up to 100 km and 0.6 mm up to 1000 km (geodesic/GeodesicInverse.h); the
// fixtures' steps are 70 to 150 km, so 1 mm a step bounds the series error
// with room for rounding.
constexpr double kMetresPerStep = 1e-3;

const tools::ShapefileEntity kEquator{{}, {0, 1, 2}, {0, 0, 0}};
const tools::ShapefileEntity kOnePoint{{}, {1.5}, {52.5}};

class ShapeLoadTest : public ::testing::Test {
 protected:
  TestMachine machine;
};

TEST_F(ShapeLoadTest, EveryShapeTypeLoadsAndOnlyTheMultiPartTypesHaveALength) {
  const double twoDegrees = GeographicLibLength({0, 1, 2}, {0, 0, 0});
  for (const ShapeTypeDef& type : ShapeTypeTable()) {
    const bool single = type.code == SHPT_POINT || type.code == SHPT_POINTZ || type.code == SHPT_POINTM;
    WriteShape(machine, "C:\\types\\t", type.code, {single ? kOnePoint : kEquator});
    CShape shape;
    shape.path = "C:\\types\\t.shp";
    ASSERT_TRUE(shape.Load()) << type.name;
    EXPECT_EQ(shape.shapeType, type.code) << type.name;
    EXPECT_EQ(shape.entityCount, 1) << type.name;
    ASSERT_EQ(shape.Entities().size(), 1u) << type.name;
    const ShapeEntityDef& entity = shape.Entities()[0];
    EXPECT_EQ(entity.object->nSHPType, type.code) << type.name;
    EXPECT_EQ(entity.object->nVertices, single ? 1 : 3) << type.name;
    // The equator from 0 to 2 degrees: twice one degree of longitude there.
    EXPECT_NEAR(entity.length, type.measured ? twoDegrees : 0.0, 2 * kMetresPerStep) << type.name;
    EXPECT_EQ(shape.boundsMax[0], single ? 1.5 : 2.0) << type.name;
  }
}

TEST_F(ShapeLoadTest, TheJumpBetweenPartsCountsInTheLength) {
  // Two squares of a polygon, a degree apart: the length runs from the last
  // corner of the first to the first corner of the second.
  const std::vector<double> lon{0, 1, 1, 0, 0, 2, 3, 3, 2, 2}, lat{50, 50, 51, 51, 50, 50, 50, 51, 51, 50};
  WriteShape(machine, "C:\\p\\two", SHPT_POLYGON, {{{0, 5}, lon, lat}});
  CShape shape;
  shape.path = "C:\\p\\two";
  ASSERT_TRUE(shape.Load());
  ASSERT_EQ(shape.Entities().size(), 1u);
  EXPECT_EQ(shape.Entities()[0].object->nParts, 2);
  const double withJump = GeographicLibLength(lon, lat);
  EXPECT_NEAR(shape.Entities()[0].length, withJump, 9 * kMetresPerStep);
  EXPECT_GT(withJump - GeographicLibLength({0, 2}, {50, 50}), 0);
}

TEST_F(ShapeLoadTest, ThePairIsFoundByTheLibrarysNamingRule) {
  WriteShape(machine, "C:\\data\\coast", SHPT_ARC, {kEquator});
  WriteShape(machine, "C:\\data.old\\coast", SHPT_ARC, {kEquator, kEquator});
  WriteShape(machine, "C:\\upper\\coast", SHPT_ARC, {kEquator});
  for (const char* extension : {".shp", ".shx"}) {
    const auto lower = machine.Host(std::string("C:\\upper\\coast") + extension);
    std::filesystem::rename(lower, lower.parent_path() / (std::string("COAST") + extension).c_str());
  }
  WriteShape(machine, "C:\\data\\none", SHPT_POLYGON, {});
  WriteShape(machine, "C:\\alone\\coast", SHPT_ARC, {kEquator});
  std::filesystem::remove(machine.Host("C:\\alone\\coast.shx"));
  const struct {
    const char* path;
    bool loads;
    std::int32_t entities;
  } cases[] = {
      {"C:\\data\\coast.shp", true, 1},
      {"C:\\data\\coast", true, 1},
      {"C:\\data\\coast.dbf", true, 1},  // any extension is taken off
      {"C:\\data.old\\coast", true, 2},  // a dot in a folder is no extension
      {"C:\\upper\\coast", true, 1},     // COAST.SHP and COAST.SHX
      {"C:\\data\\none", true, 0},       // a file of no entities loads empty
      {"C:\\alone\\coast", false, 0},    // no index
      {"C:\\data\\missing", false, 0},
      {"Q:\\data\\coast", false, 0},  // no such drive
  };
  for (const auto& c : cases) {
    CShape shape;
    shape.path = c.path;
    EXPECT_EQ(shape.Load(), c.loads) << c.path;
    EXPECT_EQ(shape.entityCount, c.entities) << c.path;
    EXPECT_EQ(shape.Entities().size(), static_cast<std::size_t>(c.entities)) << c.path;
  }
}

TEST_F(ShapeLoadTest, ReadHeaderCopiesTheSummaryAndAFailureKeepsThePrevious) {
  WriteShape(machine, "C:\\data\\coast", SHPT_ARCZ, {kEquator, kEquator});
  CShape shape;
  shape.path = "C:\\data\\coast";
  ASSERT_TRUE(shape.ReadHeader());
  EXPECT_EQ(shape.entityCount, 2);
  EXPECT_EQ(shape.shapeType, SHPT_ARCZ);
  EXPECT_TRUE(shape.Entities().empty());
  shape.path = "C:\\data\\gone";
  EXPECT_FALSE(shape.ReadHeader());
  EXPECT_EQ(shape.entityCount, 2);
  EXPECT_EQ(shape.boundsMax[0], 2.0);
}

TEST_F(ShapeLoadTest, DisplaySettingsAreReadByPositionOrDefaultedWithTheHostFlagCleared) {
  WriteShape(machine, "C:\\data\\coast", SHPT_ARC, {kEquator});
  CShape shape;
  shape.path = "C:\\data\\coast.shp";
  shape.hostFlag = 7;
  ASSERT_TRUE(shape.Load());
  EXPECT_EQ(shape.hostFlag, 0);
  EXPECT_EQ(shape.display.colour, 0x808080u);
  machine.Write("C:\\data\\coast.INI", "Status = 0\nStyle = 4\nSize = 3\nColour = 255\nFill = 1\n");
  shape.hostFlag = 7;
  ASSERT_TRUE(shape.Load());
  EXPECT_EQ(shape.hostFlag, 7);
  EXPECT_FALSE(shape.display.status);
  EXPECT_EQ(shape.display.style, 4);
  EXPECT_EQ(shape.display.colour, 255u);
  EXPECT_EQ(shape.display.labelColumn, 0);  // missing lines keep their defaults
}

// Byte positions in a file of polylines of one part and three vertices.
constexpr std::size_t kFileLength = 24;           // main header, big-endian 16-bit words
constexpr std::size_t kIndexRecord = 100;         // .shx: offset, length (big-endian words)
constexpr std::size_t kFirstRecordPoints = 148;   // .shp: point count of entity 0 (little-endian)
constexpr std::size_t kFirstRecordParts = 144;    // .shp: part count of entity 0
constexpr std::size_t kWhole = std::string::npos;

TEST_F(ShapeLoadTest, FilesThatLieOrAreCutAreRefusedOrLoseOnlyTheirBadEntities) {
  const struct {
    const char* lie;
    const char* file;
    std::size_t at;  // where a 32-bit value is written, or kWhole for none
    std::uint32_t value;
    bool bigEndian;
    std::size_t cutTo;
    bool loads;
    std::size_t kept;
  } cases[] = {
      {"index offset past the end", "x.shx", kIndexRecord, 0x10000000, true, kWhole, true, 2},
      {"index length past the end", "x.shx", kIndexRecord + 12, 0x7FFFFFFF, true, kWhole, false, 0},
      {"index counts more entities than it holds", "x.shx", kFileLength, 0x10000000, true, kWhole, false, 0},
      {"main file longer than it is", "x.shp", kFileLength, 0x10000000, true, kWhole, false, 0},
      {"a billion points", "x.shp", kFirstRecordPoints, 0x3FFFFFFF, false, kWhole, true, 2},
      {"parts beyond the points", "x.shp", kFirstRecordParts, 40, false, kWhole, true, 2},
      {"negative point count", "x.shp", kFirstRecordPoints, 0xFFFFFFFF, false, kWhole, true, 2},
      {"not a shapefile", "x.shp", 0, 1234, true, kWhole, false, 0},
      {"main file cut inside a record", "x.shp", kWhole, 0, false, 150, false, 0},
      {"main file cut inside its header", "x.shp", kWhole, 0, false, 99, false, 0},
      {"index cut inside its header", "x.shx", kWhole, 0, false, 50, false, 0},
      {"empty index", "x.shx", kWhole, 0, false, 0, false, 0},
  };
  for (const auto& c : cases) {
    WriteShape(machine, "C:\\bad\\x", SHPT_ARC, {kEquator, kEquator, kEquator});
    const std::string path = std::string("C:\\bad\\") + c.file;
    std::string bytes = machine.Read(path).value_or("");
    for (std::size_t i = 0; c.at != kWhole && i < 4; ++i)
      bytes.at(c.at + i) = static_cast<char>(c.value >> (c.bigEndian ? 24 - 8 * i : 8 * i));
    machine.Write(path, bytes.substr(0, c.cutTo));
    CShape shape;
    shape.path = "C:\\bad\\x";
    EXPECT_EQ(shape.Load(), c.loads) << c.lie;
    EXPECT_EQ(shape.Entities().size(), c.kept) << c.lie;
  }
}

}  // namespace
