// overlays project and unproject end to end: the grid options, negative
// numbers as positionals, the output's exact form, the point stream on
// standard input, and the refusals. Figures come from the library (checked
// against PROJ there).

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace {

using testing_support::CliCase;
using testing_support::CliResult;
using testing_support::ExpectCli;
using testing_support::Lines;
using testing_support::RunCli;

// The British national grid on Airy 1830; UTM zone 31N on WGS 1984.
const std::vector<std::string> kBritish = {"--kind",   "2",      "--lat0", "49",     "--lon0", "-2",
                                           "--k0",     "0.9996012717", "--fe", "400000", "--fn", "-100000",
                                           "--ellipsoid", "0"};
const std::vector<std::string> kUtm31 = {"--lon0", "3", "--k0", "0.9996", "--fe", "500000"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& grid) {
  args.insert(args.end(), grid.begin(), grid.end());
  return args;
}

TEST(ProjectionCli, AnswersExactlyOrRefuses) {
  const CliCase cases[] = {
      {With({"project", "52.658", "1.716"}, kBritish), 0, "651277.5452 313218.3298 2.955863481 1.0003764991\n", ""},
      // 3.7° from the meridian the inverse series leave 1.7 cm.
      {With({"unproject", "651277.5452", "313218.3298"}, kBritish), 0,
       "52.6580001490 1.7160000261 2.955863506 1.0003764984\n", ""},
      {With({"project", "-33.9", "-1"}, kUtm31), 0, "130062.0125 -3758277.6017 2.233514984 1.0012874801\n", ""},
      // South-orientated: the kind-0 figures negated.
      {{"project", "-33.9", "18.4", "--kind", "3", "--lon0", "19", "--ellipsoid", "12"}, 0,
       "55498.0477 3752452.1194 0.334655613 1.0000379533\n", ""},
      {{"project", "60", "10", "--kind", "5", "--lat0", "60"}, 0,
       "558000.0157 4191885.7949 0.000000000 1.0000000000\n", ""},
      // The geographic origin short-cut, whatever the grid.
      {With({"project", "0", "0"}, kUtm31), 0, "0.0000 0.0000 0.000000000 0.9996000000\n", ""},
      {{"project", "90", "0", "--kind", "5"}, 1, "", "lies outside the projection"},
      {{"project", "91", "0"}, 1, "", "latitude must lie within -90 to 90"},
      {{"project", "50", "0", "--kind", "6", "--variant", "9"}, 1, "", "no projection kind 6 variant 9"},
      {{"project", "50", "0", "--k0", "0"}, 1, "", "--k0 must not be 0"},
      {{"project", "50", "0", "--fe", "inf"}, 1, "", "must be finite"},
      {{"project", "5x", "0"}, 1, "", "'5x' is not a number"},
      {{"project", "nan", "0"}, 1, "", "'nan' is not a number"},
      {{"project", "5"}, 1, "", "give two numbers, or '-'"},
      {{"project", "50", "0", "--ellipsoid", "53"}, 1, "", "--ellipsoid"},
      {{"project", "50", "0", "--lat0", "95"}, 1, "", "--lat0"},
      {{"project", "50", "0", "--kind", "-1"}, 1, "", "--kind"},
      // The module answers beyond the pole with latitude 0; the host says so.
      {{"unproject", "1e8", "1e7", "--kind", "7"}, 1, "", "beyond the projection's reach"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpectCli(c).out, c.out);
  const CliResult help = RunCli({"project", "--help"});
  for (const char* rule : {"whatever the", "Redfearn", "kind 3 negates", "true to scale"})
    EXPECT_NE(help.out.find(rule), std::string::npos) << rule;
}

// One answer a line; blank lines, comments and Windows line ends pass; the
// first line that cannot be read stops the run with its number.
TEST(ProjectionCli, StreamsPointsFromStandardInput) {
  struct Case { std::vector<std::string> args; const char* input; int status; std::size_t lines; const char* err; };
  const Case cases[] = {
      {With({"project", "-"}, kUtm31), "50 4\n\n# lat lon\n-10 2.5\r\n", 0, 2, ""},
      {With({"unproject", "-"}, kUtm31), "571666.4475 5539109.8157\n", 0, 1, ""},
      {With({"project", "-"}, kUtm31), "50 4\n51 abc\n52 3\n", 1, 1, "line 2: expected two numbers, not '51 abc'"},
      {With({"project", "-"}, kUtm31), "50 4\n\n95 3\n", 1, 1, "line 3: the latitude must lie within"},
      {{"unproject", "-", "--kind", "5"}, "0 1e300\n", 1, 0, "line 1: no latitude and longitude found"},
  };
  for (const Case& c : cases) {
    const CliResult r = RunCli(c.args, c.input);
    EXPECT_EQ(r.status, c.status) << c.input << r.err;
    EXPECT_EQ(Lines(r.out).size(), c.lines) << c.input;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
  }
}

// One row a kind beyond Transverse Mercator and Mercator, and an inverse
// where the host adds an option of its own (--variant, --row); the kinds
// without a convergence or point scale print zeros for them. Each figure the
// library checks against PROJ is quoted beside its row (the host prints the
// library's own, a few tenths of a millimetre off PROJ's at most).
TEST(ProjectionCli, ServesTheOtherKinds) {
  const std::vector<std::string> qatar = {"--kind", "7", "--lat0", "25.3823611", "--lon0", "50.7613889",
                                          "--fe", "100000", "--fn", "100000", "--ellipsoid", "20"};
  const std::vector<std::string> guam = {"--kind", "8", "--lat0", "13.4724663527", "--lon0", "144.7487507303",
                                         "--fe", "50000", "--fn", "50000", "--ellipsoid", "7"};
  const std::vector<std::string> rd = {"--kind", "9", "--lat0", "52.15616055555555", "--lon0", "5.38763888888889",
                                       "--k0", "0.9999079", "--fe", "155000", "--fn", "463000", "--ellipsoid", "3"};
  const std::vector<std::string> antarctic = {"--kind", "9", "--variant", "2", "--lat0", "-90", "--lon0", "70",
                                              "--lat2", "-71", "--fe", "6000000", "--fn", "6000000"};
  const std::vector<std::string> brazil = {"--kind", "10", "--lon0", "-54", "--fe", "5000000", "--fn", "10000000",
                                           "--ellipsoid", "42"};
  const std::vector<std::string> france = {"--kind", "6", "--lat0", "46.5", "--lon0", "3", "--lat1", "49",
                                           "--lat2", "44", "--fe", "700000", "--fn", "6600000", "--ellipsoid", "17"};
  const std::vector<std::string> levant = {"--kind", "6", "--variant", "0", "--lat0", "34.65", "--lon0", "37.35", "--k0",
                                           "0.9996256", "--fe", "300000", "--fn", "300000", "--ellipsoid", "10"};
  // NAD27 Texas North Central and Arizona Central by the coast survey's formulas, in metres.
  const std::vector<std::string> texas = {"--kind", "12", "--variant", "1", "--lat0", "31.666666666666667", "--lon0",
                                          "-97.5", "--lat1", "32.133333333333333", "--lat2", "33.966666666666667",
                                          "--fe", "609601.2192024384", "--ellipsoid", "7"};
  const std::vector<std::string> arizona = {"--kind", "12", "--variant", "2", "--lat0", "31", "--lon0",
                                            "-111.916666666666667", "--k0", "0.9999", "--fe", "152400.3048006096",
                                            "--ellipsoid", "7"};
  // Hotine Oblique Mercator: Alaska zone 1 on NAD27, Borneo RSO with u from the centre.
  const std::vector<std::string> alaska = {"--lat0", "57", "--lon0", "-133.66666666666667", "--alpha",
                                           "323.13010235415598", "--gamma", "323.13010235415598", "--k0", "0.9999",
                                           "--fe", "5000000", "--fn", "-5000000", "--ellipsoid", "7"};
  const std::vector<std::string> borneo = {"--kind", "11", "--lat0", "4", "--lon0", "115", "--alpha",
                                           "53.315820472222", "--k0", "0.99984", "--fe", "590476.87", "--fn",
                                           "442857.65", "--ellipsoid", "15"};
  // UTM zone 32 on the International ellipsoid into NGO Axis III (Y then X), and Danish System 34.
  const std::vector<std::string> axis3 = {"--kind", "13", "--variant", "2", "--lon0", "9", "--k0", "0.9996",
                                          "--fe", "500000", "--ellipsoid", "20"};
  const std::vector<std::string> utm32 = {"--kind", "14", "--lon0", "9", "--k0", "0.9996", "--fe", "500000",
                                          "--ellipsoid", "20"};
  const CliCase cases[] = {
      {With({"project", "25.9", "51.2"}, qatar), 0, "143951.6191 157419.9098 0.000000000 0.0000000000\n", ""},
      {With({"unproject", "143951.6191", "157419.9098"}, qatar), 0,
       "25.8999999999 51.2000000001 0.000000000 0.0000000000\n", ""},
      {With({"project", "13.5", "144.8"}, guam), 0, "55548.4956 53046.5797 0.000000000 0.0000000000\n", ""},
      {With({"project", "52.37", "4.89"}, rd), 0, "121112.9704 486905.9045 0.000000000 0.0000000000\n", ""},
      {With({"project", "-68.5", "78"}, antarctic), 0, "6328827.4213 8339728.6772 0.000000000 0.0000000000\n", ""},
      // The polyconic point scale is the meridian's.
      {With({"project", "-23.55", "-46.63"}, brazil), 0, "5752166.6090 7375209.2828 0.000000000 1.0069900930\n", ""},
      // PROJ's lcc: the same easting and northing to 0.1 mm; the tan form has no convergence or scale.
      {With({"project", "48.8566", "2.3522", "--variant", "2"}, france), 0,
       "652469.0227 6862035.2594 -0.470048710 0.9998925860\n", ""},
      {With({"project", "48.8566", "2.3522", "--variant", "1"}, france), 0,
       "652469.0227 6862035.2594 0.000000000 0.0000000000\n", ""},
      // The Levant zone's published point.
      {With({"unproject", "15708.0", "623167.2"}, levant), 0,
       "37.5215625681 34.1364697298 -1.827090718 1.0008916852\n", ""},
      // Opposite parallels flatten the cone into none.
      {{"project", "40", "1", "--kind", "6", "--variant", "2", "--lat1", "30", "--lat2", "-30"}, 1, "",
       "lies outside the projection"},
      // PROJ's lcc: 633028.0158 120154.7279; tmerc: 190664.1322 388178.4508.
      {With({"project", "32.75", "-97.25"}, texas), 0, "633028.0158 120154.7280 0.136348604 0.9998864020\n", ""},
      {With({"project", "34.5", "-111.5"}, arizona), 0, "190664.1325 388178.4510 0.236005434 0.9999180408\n", ""},
      // PROJ's omerc +no_uoff: 738655.2308 631679.3245; omerc: 700739.7818 609123.0323.
      {With({"project", "57.5", "-135", "--kind", "11", "--variant", "2"}, alaska), 0,
       "738655.2308 631679.3245 -1.123377855 0.9999110811\n", ""},
      {With({"unproject", "738655.2308", "631679.3245", "--kind", "12", "--variant", "3"}, alaska), 0,
       "57.5000000002 -135.0000000004 -1.123377855 0.9999110811\n", ""},
      {With({"project", "5.5", "116"}, borneo), 0, "700739.7818 609123.0323 0.259621865 0.9998953158\n", ""},
      {With({"project", "5.5", "116", "--gamma", "nan"}, borneo), 1, "", "must be finite"},
      // PROJ's ED50 to NGO 1948 conversion: -40147.1831 222850.7782; south of Norway the grid has no table.
      {With({"project", "60", "10"}, axis3), 0, "-40147.1831 222850.7790 -0.625554966 1.0000092719\n", ""},
      {With({"project", "50", "10"}, axis3), 1, "", "no easting and northing on the grid"},
      {With({"unproject", "0", "2000000"}, axis3), 1, "", "the grid has no position for them"},
      // PROJ's exact utm then horner on the same tables: 202336.1265 196599.7349 (Jylland, row 1) and
      // 76497.8332 142973.1815 (Sjaelland, row 0).
      {With({"project", "56.2", "10.5", "--row", "1"}, utm32), 0,
       "202336.1265 196599.7356 0.101277892 0.9999992345\n", ""},
      {With({"unproject", "202336.1265", "196599.7356", "--row", "1"}, utm32), 0,
       "56.1999999976 10.5000000003 0.101277892 0.9999992345\n", ""},
      {With({"project", "55.7", "12.5"}, utm32), 0, "76497.8332 142973.1834 1.759989448 1.0000099568\n", ""},
      {With({"project", "56", "10", "--row", "2"}, utm32), 1, "", "projection kind 14 computes only rows 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpectCli(c).out, c.out);
  EXPECT_NE(RunCli({"unproject", "--help"}).out.find("picks the pole by its sign"), std::string::npos);
}

}  // namespace
