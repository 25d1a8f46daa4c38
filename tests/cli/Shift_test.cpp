// overlays grids install, shift ntv2 and shift ostn15 end to end on the
// bundled grids: the output's exact form, the point stream, and the
// refusals. Figures come from the library (checked against PROJ there).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliCase;
using testing_support::ExpectCli;

std::vector<std::string> In(const testing_support::TempFolder& sandbox, std::vector<std::string> args) {
  args.insert(args.begin(), {"--root", sandbox.Path().string()});
  return args;
}

TEST(ShiftCli, NeedsTheGridsInstalled) {
  const testing_support::TempFolder sandbox;
  ExpectCli({In(sandbox, {"shift", "ostn15", "51.5", "-0.12"}), 1, "", "'overlays grids install'"});
  ExpectCli({In(sandbox, {"shift", "ntv2", "NA83SCRS.GSB", "46.8", "-71.2"}), 1, "", "'overlays grids install'"});
}

TEST(ShiftCli, AnswersExactlyOrRefuses) {
  const testing_support::TempFolder sandbox;
  ExpectCli({In(sandbox, {"grids", "install"}), 0, "Global: 5 files", ""});
  const std::string sk = std::string(OVERLAYS_SOURCE_DIR) + "/data/grids/ntv2/SK27-98.GSB";
  const std::string broken = (sandbox.Path() / "broken.gsb").string();
  std::ofstream(broken) << "NUM_OREC not really";
  const CliCase cases[] = {
      {In(sandbox, {"shift", "ostn15", "51.5", "-0.12"}), 0, "51.499487355 -0.118418055 530589.4270 179570.8812\n", ""},
      {In(sandbox, {"shift", "ostn15", "--inverse", "530589.4270", "179570.8812"}), 0, "51.500000002 -0.120000000\n",
       ""},
      {In(sandbox, {"shift", "ostn15", "48.85", "2.35"}), 1, "", "outside the OSTN15 grid"},
      {In(sandbox, {"shift", "ostn15", "--inverse", "400000", "-400000"}), 1, "", "outside the OSTN15 grid"},
      {In(sandbox, {"shift", "ostn15", "95", "0"}), 1, "", "latitude must lie within"},
      {In(sandbox, {"shift", "ntv2", "NA83SCRS.GSB", "46.8", "-71.2"}), 0, "46.799999617 -71.199996808 QUEBEC15\n", ""},
      {In(sandbox, {"shift", "ntv2", sk, "50.45", "-104.6"}), 0, "50.450039944 -104.600549047 SKregina\n", ""},
      {In(sandbox, {"shift", "ntv2", "NA83SCRS.GSB", "46.8", "71.2"}), 1, "", "west of Greenwich"},
      {In(sandbox, {"shift", "ntv2", "NA83SCRS.GSB", "10", "-71.2"}), 1, "", "no sub-grid of the file holds"},
      {In(sandbox, {"shift", "ntv2", "NOPE.GSB", "46.8", "-71.2"}), 1, "", "no NTv2 file 'NOPE.GSB'"},
      {In(sandbox, {"shift", "ntv2", broken, "46.8", "-71.2"}), 1, "", "not a well-formed NTv2 file"},
      {In(sandbox, {"shift", "ntv2", "NA83SCRS.GSB", "46.8"}), 1, "", "give two numbers, or '-'"},
      {In(sandbox, {"shift"}), 1, "", "subcommand"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpectCli(c).out, c.out);
}

TEST(ShiftCli, ReadsAStreamAndStopsAtTheFirstBadLine) {
  const testing_support::TempFolder sandbox;
  ExpectCli({In(sandbox, {"grids", "install"}), 0, "OSTN: 2 files", ""});
  const auto ok = testing_support::RunCli(In(sandbox, {"shift", "ostn15", "-"}), "51.5 -0.12\n\n# comment\n57 -4\n");
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.out, "51.499487355 -0.118418055 530589.4270 179570.8812\n"
                    "57.000207261 -3.998637809 278609.4634 791651.2377\n");
  const auto bad = testing_support::RunCli(In(sandbox, {"shift", "ntv2", "NA83SCRS.GSB", "-"}), "46.8 -71.2\nx y\n");
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "46.799999617 -71.199996808 QUEBEC15\n");
  EXPECT_NE(bad.err.find("line 2: expected two numbers"), std::string::npos) << bad.err;
}

}  // namespace
