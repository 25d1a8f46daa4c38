// `overlays wrecks search` on the bundled sample: what it prints is what
// the dialog's list shows, the CSV it saves through the dialog reads back
// (strict RFC 4180) as the same rows, and mistakes are refused in a line.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "support/CsvRecords.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliCase;
using testing_support::CliResult;
using testing_support::Contains;
using testing_support::Lines;
using testing_support::RunCli;
using testing_support::TempFolder;

const TempFolder& Sandbox() {
  static const TempFolder sandbox;
  static const CliResult demo = RunCli({"--root", sandbox.Path().string(), "demo"});
  EXPECT_EQ(demo.status, 0) << demo.err;
  return sandbox;
}

std::vector<std::string> Search(std::vector<std::string> args) {
  args.insert(args.begin(), {"--root", Sandbox().Path().string(), "wrecks", "search"});
  return args;
}

std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells(1);
  for (char c : line) {
    if (c == '\t')
      cells.emplace_back();
    else
      cells.back() += c;
  }
  return cells;
}

// Between the central North Sea, where the sample has only wrecks, and the
// northern North Sea, where it has only obstructions.
const std::vector<std::string> kNear = {"--near", "56.3", "2.0", "--radius", "40", "--grid", "0:31"};

TEST(WrecksSearchCli, TheCsvSavedThroughTheDialogHoldsTheRowsItPrints) {
  const std::string csv = (Sandbox().Path() / "found.csv").string();
  std::vector<std::string> args = kNear;
  args.insert(args.end(), {"--hide-obstructions", "--csv", csv});
  const CliResult r = RunCli(Search(args));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_GE(lines.size(), 4u);
  // Heading, rows, then the two counts, which count hidden matches too.
  EXPECT_EQ(lines[0], "Type\tID/Name\tLatitude\tLongitude\tEasting\tNorthing\tDepth\tState\tSunk\tAmended\tCategory");
  EXPECT_EQ(lines[lines.size() - 2].rfind("wrecks found: ", 0), 0u);
  EXPECT_NE(lines.back(), "obstructions found: 0");
  const auto written = testing_support::ReadHostFile(csv);
  ASSERT_TRUE(written);
  const auto records = testing_support::ReadCsv(*written);
  ASSERT_TRUE(records) << *written;
  ASSERT_EQ(records->size(), lines.size() - 2);
  for (std::size_t i = 0; i < records->size(); ++i) {
    EXPECT_EQ((*records)[i], Cells(lines[i]));
    if (i > 0) {
      EXPECT_EQ((*records)[i][0], "Wreck");
    }
  }
}

TEST(WrecksSearchCli, GeoJsonCarriesTheSameRowsAsPointsWithinTheCircleWithTheirIds) {
  const CliResult text = RunCli(Search(kNear));
  std::vector<std::string> args = kNear;
  args.insert(args.end(), {"--format", "geojson"});
  const CliResult geo = RunCli(Search(args));
  ASSERT_EQ(geo.status, 0) << geo.err;
  const auto json = nlohmann::json::parse(geo.out);
  const std::vector<std::string> lines = Lines(text.out);
  ASSERT_EQ(json.at("features").size(), lines.size() - 3);
  EXPECT_EQ(lines.back(), "obstructions found: " + std::to_string(json.at("obstructions_found").get<int>()));
  for (std::size_t i = 0; i < json.at("features").size(); ++i) {
    const auto& f = json["features"][i];
    EXPECT_EQ(f["properties"]["ID/Name"], Cells(lines[i + 1])[1]);
    // An unnamed record's cell is its ID, which every feature carries for 'wrecks show'.
    const std::string cell = f["properties"]["ID/Name"];
    if (cell.rfind("WID:", 0) == 0) {
      EXPECT_EQ(cell, "WID:" + std::to_string(f["properties"]["id"].get<int>()));
    }
    // 40 NM is two thirds of a degree of latitude.
    EXPECT_LT(std::abs(f["geometry"]["coordinates"][1].get<double>() - 56.3), 0.67);
  }
}

TEST(WrecksSearchCli, RefusesWhatTheDialogCannotDo) {
  const std::string root = Sandbox().Path().string();
  const CliCase cases[] = {
      {Search({}), 1, "", "give one search"},
      {Search({"--name", "x", "--years", "1900", "1950"}), 1, "", "give one search"},
      {Search({"--radius", "5"}), 1, "", "needs a centre"},
      {Search({"--near", "95", "3", "--radius", "1"}), 1, "", "--near"},
      {Search({"--near", "52", "3", "--radius", "10000"}), 1, "", "--radius"},
      {Search({"--place", "Atlantis", "--radius", "1"}), 1, "", "--place"},
      {Search({"--years", "1500", "1900"}), 1, "", "not offered"},
      {Search({"--name", "no such ship", "--csv", root + "/none.csv"}), 1, "", "found no rows"},
      {Search({"--name", "golden", "--csv", root + "/no/such/folder.csv"}), 1, "", "no folder"},
      {Search({"--place", "Lowestoft", "--radius", "15", "--format", "csv"}), 0, "\"Type\",\"ID/Name\"", ""},
      {Search({"--name", "golden", "--hide-wrecks"}), 0, "obstructions found: 0", ""},
  };
  for (const CliCase& c : cases) testing_support::ExpectCli(c);
}

}  // namespace
