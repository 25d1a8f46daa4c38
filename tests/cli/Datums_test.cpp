// 'overlays datums' end to end: the built-in families as a user reads them,
// the user's transformation files in the sandbox's "Global" folder, and the
// refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "CliRunner.h"
#include "DatumFileWriter.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliCase;
using testing_support::CliResult;
using testing_support::Contains;
using testing_support::ExpectCli;
using testing_support::Lines;
using testing_support::RunCli;
using testing_support::TempFolder;

std::size_t CountStarting(const std::string& text, const std::string& start) {
  const auto lines = Lines(text);
  return static_cast<std::size_t>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; }));
}

std::vector<std::string> InSandbox(const TempFolder& sandbox, std::vector<std::string> args) {
  args.insert(args.begin(), {"--root", sandbox.Path().string()});
  return args;
}

TEST(DatumsCli, ListsEveryFamilyAndEachRowWithItsParameters) {
  TempFolder sandbox;
  const CliResult all = RunCli(InSandbox(sandbox, {"datums"}));
  ASSERT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(CountStarting(all.out, "family "), 11u);
  // 1 + 1 + 58 + 1 + 3 + 6 + 1 + 8 built-in rows, each with its ellipsoids.
  EXPECT_EQ(CountStarting(all.out, "      ellipsoids "), 79u);

  const CliCase cases[] = {
      {{"datums", "--family", "1"}, 0,
       "  57  WGS 1984 -> Greek GRS 1897  (Greece)\n      ellipsoids WGS 1984 -> GRS80\n"
       "      tX 199.87 tY -74.79 tZ -246.62 m, rX 0 rY 0 rZ 0 arc-seconds, s 0 ppm, position vector\n", ""},
      // Rotation digits as the table holds them, and the convention.
      {{"datums", "--family", "3"}, 0,
       "   0  WGS 1984 -> E.D. 50  (Statens Kartwerk)\n      ellipsoids WGS 1984 -> International Spheroid "
       "(Hayford 1910)\n      tX 82.981 tY 99.719 tZ 110.709 m, rX 0.10470001565105842 rY -0.031001600378948148 "
       "rZ -0.08040202147514297 arc-seconds, s 0.3143 ppm, position vector\n", ""},
      {{"datums", "--family", "6"}, 0, "   2  Spain ED50 -> Medgaz ED50  (Spainish Landfall)\n", ""},
      {{"datums", "--family", "1"}, 0, "s -4.0772 ppm, coordinate frame\n", ""},
      // Grid-shift rows name their shift and show no Helmert parameters.
      {{"datums", "--family", "4"}, 0, "   5  HPGN -> NAD27  ()\n      ellipsoids GRS80 -> Clarke 1866 Spheroid\n", ""},
      {{"datums", "--family", "-1"}, 0, "family -1: Geographicals only", ""},
      {{"datums", "--family", "10"}, 1, "", "--family: Value 10 not in range -1 to 9"},
      {{"datums", "--family", "one"}, 1, "", "--family"},
  };
  for (const auto& c : cases) ExpectCli({InSandbox(sandbox, c.args), c.status, c.out, c.err});
  const CliResult helmertOnly = RunCli(InSandbox(sandbox, {"datums", "--family", "4"}));
  EXPECT_FALSE(Contains(helmertOnly.out, " tX ")) << helmertOnly.out;
}

TEST(DatumsCli, ListsTheUsersFilesAndSaysWhichCannotBeRead) {
  TempFolder sandbox;
  const auto global = sandbox.Path() / "C" / "MyData" / "Global";
  std::filesystem::create_directories(global);
  DatumFileDef d;
  d.from = "Harbour 1950", d.to = "Survey 1987", d.area = "Inner Basin";
  d.nearName = "WGS 1984", d.farName = "Airy 1830", d.farQualifier = "OSGB";
  d.shift = {1.5, -2, 3, 0.25, 0, 0, 1.125, kCoordinateFrame};
  d.shift.timeDependent = 1, d.shift.referenceEpoch = 2010, d.shift.dtX = 0.5;
  d.gsf.values[0] = 7.5;
  d.grd.rotation = 90, d.grd.scale1 = 2, d.grd.scale2 = 0;
  const auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(global / name, std::ios::binary) << bytes;
  };
  write("Basin.DMF", tools::DatumFileBytes(d, DatumFileKind::Helmert));
  write("Broken.DMF", "From\nTo\n");
  write("Values.GSF", tools::DatumFileBytes(d, DatumFileKind::ThreeValues));
  write("Plant.GRD", tools::DatumFileBytes(d, DatumFileKind::Affine));
  const CliCase cases[] = {
      {{"datums", "--family", "7"}, 0,
       "   0  Harbour 1950 -> Survey 1987  (Inner Basin)\n      file Basin\n      ellipsoids WGS 1984 -> Airy 1830 OSGB\n"
       "      tX 1.5 tY -2 tZ 3 m, rX 0.25 rY 0 rZ 0 arc-seconds, s 1.125 ppm, coordinate frame\n"
       "      rates per year from 2010: 0.5 0 0 m, 0 0 0 arc-seconds, 0 ppm\n"
       "   1   ->   (Broken)\n      file Broken (cannot be read)\n", ""},
      {{"datums", "--family", "8"}, 0, "      values 7.5 0 0\n", ""},
      // A second scale of 0 takes the first's value; the degree factor
      // leaves cos 90° at 6e-17 rather than 0.
      {{"datums", "--family", "9"}, 0, "      rotation 90 degrees, scales 2 2, matrix ", ""},
  };
  for (const auto& c : cases) ExpectCli({InSandbox(sandbox, c.args), c.status, c.out, c.err});
}

}  // namespace
