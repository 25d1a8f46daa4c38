// overlays position end to end: the record's exact form in text and JSON,
// both directions, grid positions, the NADCON area text with the grids laid
// where `grids install` puts them, the point stream and the refusals.
// Figures come from the library (checked against PROJ there).

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "NadconRootCli.h"

namespace {

using testing_support::CliCase;
using testing_support::ExpectCli;

class PositionCli : public NadconRootCli {
 protected:
  PositionCli() : NadconRootCli({"position"}) {}
};

const char kEd50Wgs[] =
    "from 637294.3659 5762926.8134 5.0000000000 52.0000000000 3919986.7541 342954.4022 5002803.3455 0.0000 "
    "1.576266005 0.9998314066 WGS 1984\n"
    "from latitude 52° 00'.0000000N longitude 005° 00'.0000000E convergence +001° 34'.5759603\n";
const char kEd50Local[] =
    "to 637402.5789 5763140.1086 5.0015164257 52.0008144068 3920067.5853 343066.0193 5002921.9404 -45.3160 "
    "1.577479038 0.9998317516 E.D. 50\n"
    "to latitude 52° 00'.0488644N longitude 005° 00'.0909855E convergence +001° 34'.6487423\n";
const char kEd50Area[] = "area Precise Ephemeris\n";
const char kNad27[] =
    "from 586594.8974 4317044.2137 -98.0000000000 39.0000000000 -690779.3605 -4915150.5462 3992120.7951 0.0000 "
    "0.629359464 0.9996923327 NAD27\n"
    "from latitude 39° 00'.0000000N longitude 098° 00'.0000000W convergence +000° 37'.7615678\n";
const char kNad83[] =
    "to 586564.4870 4317252.4114 -98.0003254817 39.0000050133 -690789.5289 -4915020.3072 3992317.4552 0.0000 "
    "0.629154656 0.9996922684 NAD83\n"
    "to latitude 39° 00'.0003008N longitude 098° 00'.0195289W convergence +000° 37'.7492794\n";
const char kConusArea[] = "area   (Conterminous U S (lower 48 states))\n";

TEST_F(PositionCli, PrintsTheRecordOrRefuses) {
  const std::string ed50 = std::string(kEd50Wgs) + kEd50Local + kEd50Area;
  const CliCase cases[] = {
      {Args({"52", "5", "--datum", "1:0", "--grid", "0:31"}), 0, ed50, ""},
      // Without --grid, the UTM zone of the point.
      {Args({"52", "5", "--datum", "1:0"}), 0, ed50, ""},
      {Args({"39", "-98", "--datum", "4:0", "--grid", "0:14"}), 0, std::string(kNad27) + kNad83 + kConusArea, ""},
      // Reversed: the near side is the To datum, and the shift runs back.
      {Args({"39.0000050133", "-98.0003254817", "--datum", "4:0:reverse", "--grid", "0:14"}), 0,
       "from 586564.4870 4317252.4114 -98.0003254817 39.0000050133 -690789.5290 -4915020.3072 3992317.4552 0.0000 "
       "0.629154656 0.9996922684 NAD83\n"
       "from latitude 39° 00'.0003008N longitude 098° 00'.0195289W convergence +000° 37'.7492794\n"
       "to 586594.8974 4317044.2137 -98.0000000000 39.0000000000 -690779.3605 -4915150.5462 3992120.7951 0.0000 "
       "0.629359464 0.9996923327 NAD27\n"
       // The back shift lands a hair below 39°: minutes that round to 60
       // at 7 decimals are not carried into the degrees.
       "to latitude 38° 60'.0000000N longitude 098° 00'.0000000W convergence +000° 37'.7615678\n" +
           std::string(kConusArea),
       ""},
      // The grid position back to WGS 1984, at height 0 there, undoes the
      // shift to second order.
      {Args({"637402.5789", "5763140.1086", "--grid-position", "--grid", "0:31", "--datum", "1:0"}), 0,
       "from 637294.3656 5762926.8134 4.9999999955 52.0000000002 3919986.7541 342954.4018 5002803.3455 0.0000 "
       "1.576266001 0.9998314066 WGS 1984\n"
       "from latitude 52° 00'.0000000N longitude 004° 59'.9999997E convergence +001° 34'.5759601\n"
       "to 637402.5786 5763140.1086 5.0015164212 52.0008144070 3920067.5853 343066.0190 5002921.9405 -45.3160 "
       "1.577479034 0.9998317516 E.D. 50\n"
       "to latitude 52° 00'.0488644N longitude 005° 00'.0909853E convergence +001° 34'.6487421\n" +
           std::string(kEd50Area),
       ""},
      // CONUS ends at 50° north, strictly; a second step without a grid
      // keeps the first region's name.
      {Args({"50", "-98", "--datum", "4:0"}), 1, "", "outside its grids); area: (Out Of Limits)"},
      {Args({"38.5", "-98", "--datum", "4:4"}), 1, "",
       "area:   (Conterminous U S (lower 48 states)) (Out Of Limits)"},
      {Args({"48.45", "-123.4", "--datum", "5:0", "--ntv2", OVERLAYS_SOURCE_DIR "/data/grids/ntv2/CRD27_00.GSB",
             "--grid", "0:10"}),
       0,
       "from 470422.2399 5366395.0909 -123.4000000000 48.4500000000 -2333158.3995 -3538420.4435 4750211.6576 0.0000 "
       "-0.299353035 0.9996107483 NAD83\n"
       "from latitude 48° 27'.0000000N longitude 123° 24'.0000000W convergence -000° 17'.9611821\n"
       "to 470517.5895 5366195.9542 -123.3986992882 48.4501828850 -2333143.7926 -3538573.0867 4750020.7898 0.0000 "
       "-0.298380435 0.9996106788 NAD27\n"
       "to latitude 48° 27'.0109731N longitude 123° 23'.9219573W convergence -000° 17'.9028261\n"
       "area Canada NTv2\n",
       ""},
      {Args({"48.45", "-123.4", "--datum", "5:0"}), 1, "", "give it with --ntv2 FILE, or put the national grid"},
      {Args({"48.45", "-123.4", "--datum", "5:0", "--ntv2", "NOSUCH.GSB"}), 1, "", "no NTv2 file 'NOSUCH.GSB'"},
      {Args({"52", "5", "--datum", "0:0"}), 1, "", "its family converts none"},
      {Args({"52", "5", "--datum", "1:58"}), 1, "", "there is no datum 1:58"},
      {Args({"52", "5", "--datum", "1"}), 1, "", "'1' is not a datum"},
      {Args({"52", "5", "--datum", "1:0:back"}), 1, "", "'1:0:back' is not a datum"},
      {Args({"52", "5", "--datum", "1:0", "--grid", "0:99"}), 1, "", "the catalogue has no grid 0:99:0"},
      {Args({"95", "5", "--datum", "1:0"}), 1, "", "latitude must lie within -90 to 90"},
      {Args({"1", "2", "--datum", "1:0", "--grid-position"}), 1, "", "--grid-position needs --grid"},
      {Args({"1", "2", "--datum", "2:0", "--grid-position", "--grid", "1:0"}), 1, "", "no latitude and longitude"},
      {Args({"52", "5"}), 1, "", "--datum"},
      {Args({"1e7", "9e7", "--grid-position", "--grid", "0:31", "--datum", "1:0"}), 1, "", "beyond the projection"},
      {Args({"52", "5", "--datum", "1:0", "--format", "xml"}), 1, "", "--format"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpectCli(c).out, c.out);
}

TEST_F(PositionCli, JsonHasBothSidesAndTheDatum) {
  const CliCase c{
      Args({"52", "5", "--datum", "1:11", "--grid", "0:31", "--height", "40", "--format", "json"}), 0,
      R"({"from":{"easting":637294.365895041,"northing":5762926.813425831,"longitude":5.0,"latitude":52.0,)"
      R"("x":3920011.2868505674,"y":342956.54849309364,"z":5002834.865912779,"height":40.0,)"
      R"("convergence":1.5762660045760963,"scale":0.9998314065689059},)"
      R"("to":{"easting":637300.6436169457,"northing":5762442.465466608,"longitude":5.00037922578804,)"
      R"("latitude":52.000969530098146,"x":3919418.4331556307,"y":342930.8207008659,"z":5002356.145042248,)"
      R"("height":-3.6183309899643064,"convergence":1.5765858041695606,"scale":0.9998314824978995},)"
      R"("datum":{"family":1,"row":11,"direction":1,"from":"WGS 1984","to":"RD","area":"Dutch"}})"
      "\n",
      ""};
  EXPECT_EQ(ExpectCli(c).out, c.out);
}

TEST_F(PositionCli, StreamsPointsUntilTheFirstItCannotCarry) {
  const auto run = testing_support::RunCli(Args({"-", "--datum", "4:0", "--grid", "0:14"}),
                                           "39 -98\n\n# north edge\n50 -98\n39 -98\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, std::string(kNad27) + kNad83 + kConusArea);
  EXPECT_NE(run.err.find("line 4: datum 4:0 carries no position here"), std::string::npos) << run.err;
}

}  // namespace
