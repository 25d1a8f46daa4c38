// overlays shift nadcon end to end on the published grids, laid where
// `grids install` puts them: the output's exact form, both directions of
// both tables, the point stream, and the refusals. Figures come from the
// library (checked against PROJ there).

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "NadconRootCli.h"

namespace {

using testing_support::CliCase;
using testing_support::ExpectCli;

class ShiftNadconCli : public NadconRootCli {
 protected:
  ShiftNadconCli() : NadconRootCli({"shift", "nadcon"}) {}
};

TEST_F(ShiftNadconCli, AnswersExactlyOrRefuses) {
  const char* const conus = " CONUS Conterminous U S (lower 48 states)\n";
  const CliCase cases[] = {
      {Args({"39", "-98"}), 0, std::string("39.000005013 -98.000325482") + conus, ""},
      {Args({"39.000005013", "-98.000325482", "--mode", "1"}), 0, std::string("39.000000000 -98.000000000") + conus,
       ""},
      {Args({"39", "262"}), 0, std::string("39.000005013 -98.000325482") + conus, ""},
      {Args({"39.000005013", "261.999674518", "--mode", "1"}), 0, std::string("39.000000000 -98.000000000") + conus,
       ""},
      // West of the antimeridian: the shift crosses back east.
      {Args({"52.9", "172.9"}), 0, "52.898347734 172.896968938 ALASKA Alaska, incl. Aleutian Islands\n", ""},
      {Args({"27.9", "-82.5", "--mode", "2"}), 0, "27.899998715 -82.499996827 FLHPGN Florida\n", ""},
      {Args({"27.899998715", "-82.499996827", "--mode", "3"}), 0, "27.900000000 -82.500000000 FLHPGN Florida\n", ""},
      // CONUS's grid ends at 50 degrees north, strictly.
      {Args({"50", "-98"}), 1, "", "no NADCON region of mode 0 covers this point"},
      {Args({"39", "-98", "--mode", "2"}), 1, "", "no NADCON region of mode 2"},
      {Args({"95", "-98"}), 1, "", "latitude must lie within -90 to 90"},
      {Args({"39", "-98", "--mode", "4"}), 1, "", "--mode"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpectCli(c).out, c.out);
}

TEST_F(ShiftNadconCli, StreamsPointsUntilTheFirstItCannotShift) {
  const auto run = testing_support::RunCli(Args({"-"}), "39 -98\n\n# Anchorage\n61 -150\n10 10\n39 -98\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "39.000005013 -98.000325482 CONUS Conterminous U S (lower 48 states)\n"
            "60.999442091 -150.002190699 ALASKA Alaska, incl. Aleutian Islands\n");
  EXPECT_NE(run.err.find("line 5: no NADCON region"), std::string::npos) << run.err;
}

}  // namespace
