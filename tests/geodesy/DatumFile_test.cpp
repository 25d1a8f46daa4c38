#include "geodesy/datum/DatumFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

#include "DatumFileWriter.h"
#include "SpheroidFileWriter.h"
#include "frame/Folders.h"
#include "geodesy/datum/DatumFamilies.h"
#include "geodesy/ellipsoid/EllipsoidTable.h"
#include "geodesy/ellipsoid/Spheroid.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

constexpr int kDmfFamily = 7, kGsfFamily = 8, kGrdFamily = 9;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename Block>
bool SameBytes(const Block& a, const Block& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// A file of every kind that uses each field: a time-dependent DMF, and GRD
// scales that need no replacing.
DatumFileDef Contents() {
  DatumFileDef d;
  d.from = "Harbour 1950";
  d.to = "Survey 1987";
  d.area = "Inner Basin";
  d.nearName = "Airy 1830", d.nearQualifier = "OSGB";
  d.farName = "Local", d.farQualifier = "Harbour";  // the user ellipsoid file below
  d.shift = {12.5, -3.25, 100, 0.5, -1.5, 2.25, -3.5, kCoordinateFrame, 7,
             0.01, 0.02, 0.03, 0.001, 0.002, 0.003, 0.004, 2005.0, 2020.5, 1, 0};
  d.gsf.values[0] = 1.5, d.gsf.values[1] = -2.5, d.gsf.values[2] = 3.75;
  d.grd.leading[0] = 350000, d.grd.leading[1] = -12.5, d.grd.trailing[13] = 42;
  d.grd.rotation = 30, d.grd.scale1 = 2, d.grd.scale2 = 0.5;
  return d;
}

class DatumFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FindDataFolder(global_, kGlobalDataFolder));
    machine_.Write(global_ + "Harbour.SPD", tools::SpheroidFileBytes({"Local", "Harbour", 6378000, 6356000, 300.5}));
  }
  void Write(const std::string& name, const std::string& bytes) const { machine_.Write(global_ + name, bytes); }

  TestMachine machine_;
  std::string global_;
};

// Through the writer and back by the family's row, with both line endings.
TEST_F(DatumFiles, EachKindRoundTripsThroughItsFamily) {
  const DatumFileDef d = Contents();
  const struct { int family; DatumFileKind kind; const char* lineEnd; } cases[] = {
      {kDmfFamily, DatumFileKind::Helmert, "\r\n"},    {kDmfFamily, DatumFileKind::Helmert, "\n"},
      {kGsfFamily, DatumFileKind::ThreeValues, "\r\n"}, {kGsfFamily, DatumFileKind::ThreeValues, "\n"},
      {kGrdFamily, DatumFileKind::Affine, "\r\n"},      {kGrdFamily, DatumFileKind::Affine, "\n"},
  };
  for (const auto& c : cases) {
    const std::string file = std::string("Basin.") + FormatOf(c.kind).extension;
    SCOPED_TRACE(file + (c.lineEnd[0] == '\r' ? " CR LF" : " LF"));
    Write(file, tools::DatumFileBytes(d, c.kind, c.lineEnd));
    CSpheroid near, far;
    DatumTransformation t;
    ASSERT_EQ(DatumFamilyRowCount(c.family), 1u);
    ASSERT_TRUE(SelectDatumTransformation(c.family, 0, near, far, t));
    EXPECT_EQ(t.title, "Basin");
    EXPECT_EQ(t.from, d.from);
    EXPECT_EQ(t.to, d.to);
    EXPECT_EQ(t.area, d.area);
    EXPECT_EQ(near.row, 0u);  // "Airy 1830" / "OSGB"
    EXPECT_EQ(far.title, "Harbour");
    EXPECT_EQ(far.a, 6378000);
    // Only the file's own block is taken; the others stay as reset.
    EXPECT_EQ(SameBytes(t.shift, d.shift), c.kind == DatumFileKind::Helmert);
    EXPECT_EQ(SameBytes(t.gsf, d.gsf), c.kind == DatumFileKind::ThreeValues);
    if (c.kind == DatumFileKind::Affine) {
      EXPECT_EQ(t.grd.leading[0], 350000);
      EXPECT_EQ(t.grd.trailing[13], 42);
      EXPECT_EQ(t.grd.scale2, 0.5);
    }
    std::filesystem::remove(machine_.Host(global_ + file));
  }
}

// The rotation and scales become the matrix; a non-positive first scale
// is 1 and a non-positive second one takes the first's value after that.
TEST_F(DatumFiles, AffineBlockGetsItsScalesRepairedAndItsMatrix) {
  const double r = std::sqrt(0.5);
  const struct { double rotation, scale1, scale2, s1, s2, matrix[4]; } cases[] = {
      {0, 1, 1, 1, 1, {1, 0, 0, 1}},
      {45, 2, 0.5, 2, 0.5, {2 * r, 2 * r, -0.5 * r, 0.5 * r}},
      {90, 0, 0, 1, 1, {0, 1, -1, 0}},
      {-90, 3, -1, 3, 3, {0, -3, 3, 0}},
      {180, -2, 4, 1, 4, {-1, 0, 0, -4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rotation << " " << c.scale1 << " " << c.scale2);
    DatumFileDef d = Contents();
    d.grd.rotation = c.rotation, d.grd.scale1 = c.scale1, d.grd.scale2 = c.scale2;
    Write("Turned.GRD", tools::DatumFileBytes(d, DatumFileKind::Affine));
    CSpheroid near, far;
    DatumTransformation t;
    ASSERT_TRUE(SelectDatumTransformation(kGrdFamily, 0, near, far, t));
    EXPECT_EQ(t.grd.scale1, c.s1);
    EXPECT_EQ(t.grd.scale2, c.s2);
    // The degree factor is the system's own (0.017453292519943), 2e-14
    // short of pi/180.
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(t.grd.matrix[i], c.matrix[i], 1e-12) << i;
  }
}

// Row n is the (n+1)-th file of the listing (names ignoring case, folders
// skipped); past the last file the selection fails and changes nothing.
TEST_F(DatumFiles, RowsFollowTheListing) {
  DatumFileDef d = Contents();
  for (const char* name : {"b", "A", "c"}) {
    d.area = name;
    Write(std::string(name) + ".DMF", tools::DatumFileBytes(d, DatumFileKind::Helmert));
  }
  std::filesystem::create_directories(machine_.Host(global_ + "Folder.DMF"));
  Write("Other.GSF", tools::DatumFileBytes(d, DatumFileKind::ThreeValues));
  ASSERT_EQ(DatumFamilyRowCount(kDmfFamily), 3u);
  EXPECT_EQ(DatumFamilyRowCount(kGsfFamily), 1u);
  EXPECT_EQ(DatumFamilyRowCount(kGrdFamily), 0u);
  const char* expected[] = {"A", "b", "c"};
  for (std::uint32_t row = 0; row < 3; ++row) {
    CSpheroid near, far;
    DatumTransformation t;
    ASSERT_TRUE(SelectDatumTransformation(kDmfFamily, row, near, far, t));
    EXPECT_EQ(t.area, expected[row]);
  }
  CSpheroid near, far;
  DatumTransformation t;
  t.title = "kept";
  EXPECT_FALSE(SelectDatumTransformation(kDmfFamily, 3, near, far, t));
  EXPECT_EQ(t.title, "kept");
}

// Short, truncated and garbled files: false, and the defaults in place
// (WGS 1984 near, International far, no names, zero parameters, the title
// as area), whatever part of the file was good.
TEST_F(DatumFiles, ShortOrGarbledFilesLeaveTheDefaults) {
  const DatumFileDef good = Contents();
  const std::string dmf = tools::DatumFileBytes(good, DatumFileKind::Helmert);
  const std::string grd = tools::DatumFileBytes(good, DatumFileKind::Affine);
  DatumFileDef nanShift = good, infGsf = good, nanRotation = good, nanEpoch = good;
  nanShift.shift.tY = kNaN;
  infGsf.gsf.values[2] = std::numeric_limits<double>::infinity();
  nanRotation.grd.rotation = kNaN;
  nanEpoch.shift.epochOfUse = kNaN;
  const struct { const char* what; DatumFileKind kind; std::string bytes; } cases[] = {
      {"empty", DatumFileKind::Helmert, ""},
      {"no line break", DatumFileKind::Helmert, std::string(400, 'x')},
      {"six lines", DatumFileKind::Helmert, "a\nb\nc\nd\ne\nf\n"},
      {"block short by one byte", DatumFileKind::Helmert, dmf.substr(0, dmf.size() - 1)},
      {"lines only", DatumFileKind::Affine, grd.substr(0, grd.size() - sizeof(GrdBlockDef))},
      {"a DMF block read as GRD", DatumFileKind::Affine, dmf},
      {"NaN translation", DatumFileKind::Helmert, tools::DatumFileBytes(nanShift, DatumFileKind::Helmert)},
      {"NaN epoch", DatumFileKind::Helmert, tools::DatumFileBytes(nanEpoch, DatumFileKind::Helmert)},
      {"infinite GSF value", DatumFileKind::ThreeValues, tools::DatumFileBytes(infGsf, DatumFileKind::ThreeValues)},
      {"NaN rotation", DatumFileKind::Affine, tools::DatumFileBytes(nanRotation, DatumFileKind::Affine)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = global_ + "Broken." + FormatOf(c.kind).extension;
    Write(std::string("Broken.") + FormatOf(c.kind).extension, c.bytes);
    CSpheroid near, far;
    near.SelectSpheroid(3), far.SelectSpheroid(4);
    DatumTransformation t;
    t.from = "stale";
    EXPECT_FALSE(LoadDatumFile(path, c.kind, near, far, t));
    EXPECT_EQ(near.row, kWgs1984Row);
    EXPECT_EQ(far.row, kInternationalRow);
    EXPECT_EQ(t.from, "");
    EXPECT_EQ(t.to, "");
    EXPECT_EQ(t.area, "Broken");
    EXPECT_TRUE(SameBytes(t.shift, DatumShiftDef{}));
  }
  CSpheroid near, far;
  DatumTransformation t;
  EXPECT_FALSE(LoadDatumFile(global_ + "Missing.DMF", DatumFileKind::Helmert, near, far, t));
  EXPECT_EQ(t.area, "Missing");
}

// Long lines are cut, not refused; an empty area name gives way to the title.
TEST_F(DatumFiles, LongLinesAreCutAndAnEmptyAreaTakesTheTitle) {
  DatumFileDef d = Contents();
  d.from = std::string(5000, 'f');
  d.area.clear();
  Write("Long Names.GSF", tools::DatumFileBytes(d, DatumFileKind::ThreeValues));
  CSpheroid near, far;
  DatumTransformation t;
  ASSERT_TRUE(SelectDatumTransformation(kGsfFamily, 0, near, far, t));
  EXPECT_EQ(t.from, std::string(255, 'f'));
  EXPECT_EQ(t.area, "Long Names");
}

}  // namespace
