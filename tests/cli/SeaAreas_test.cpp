// overlays seaareas end to end: the setup dialog worked from the command
// line, what it shows, the redraws it asks of the chart, the settings it
// saves and brings back in the next run, and the areas as GeoJSON.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliCase;
using testing_support::ExpectCli;

class SeaAreasCli : public ::testing::Test {
 protected:
  std::vector<std::string> Args(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--root", root.Path().string(), "seaareas"});
    return args;
  }
  testing_support::TempFolder root;
};

// Each run starts from what the last one saved.
TEST_F(SeaAreasCli, WorksTheDialogAndKeepsWhatItSaved) {
  const CliCase cases[] = {
      {Args({}), 0, "Draw Boundaries: on\nLabel: on\nBoundary: Blue\nHighlight: Not Selected in Red\n"
                    "redraws asked of the chart: 0\n", ""},
      {Args({"--draw", "off", "--colour", "Dark Blue", "--highlight", "Dogger", "--highlight-colour", "Green"}), 0,
       "Draw Boundaries: off\nLabel: on\nBoundary: Dark Blue\nHighlight: Dogger in Green\n"
       "redraws asked of the chart: 4\n", ""},
      {Args({"--draw", "off", "--label", "off"}), 0,
       "Draw Boundaries: off\nLabel: off\nBoundary: Dark Blue\nHighlight: Dogger in Green\n"
       "redraws asked of the chart: 1\n", ""},
      {Args({"--highlight", "Not Selected"}), 0, "Highlight: Not Selected in Green\n", ""},
      {Args({"--highlight", "Atlantis"}), 1, "", "there is no sea area 'Atlantis'; the dialog offers: Not Selected, "},
      {Args({"--colour", "Mauve"}), 1, "", "there is no colour 'Mauve'"},
      {Args({"--draw", "maybe"}), 1, "", "--draw"},
  };
  for (const CliCase& c : cases) ExpectCli(c);
  const auto saved = ExpectCli({Args({"--label", "on"}), 0, "settings saved in ", ""}).out;
  EXPECT_NE(saved.find("  Active Area = -1\n  Display = 0\n  Label = 1\n  Show Weather = 0\n  Colour = 8388608\n"
                       "  Active Colour = 65280\n"),
            std::string::npos)
      << saved;
}

// Every area is one closed ring, in forecast order, the highlighted one
// flagged in its colour.
TEST_F(SeaAreasCli, GeoJsonHasTheThirtyOneAreas) {
  ExpectCli({Args({"--highlight", "Fastnet", "--highlight-colour", "Orange"}), 0, "", ""});
  const auto run = ExpectCli({Args({"--geojson"}), 0, "", ""});
  const auto features = nlohmann::json::parse(run.out).at("features");
  ASSERT_EQ(features.size(), 31u);
  EXPECT_EQ(features.front().at("properties").at("name"), "Viking");
  EXPECT_EQ(features.back().at("properties").at("name"), "Southeast Iceland");
  int highlighted = 0;
  for (const auto& f : features) {
    const auto& ring = f.at("geometry").at("coordinates").at(0);
    EXPECT_GE(ring.size(), 5u);
    EXPECT_EQ(ring.front(), ring.back());
    if (f.at("properties").at("highlighted").get<bool>()) {
      ++highlighted;
      EXPECT_EQ(f.at("properties").at("name"), "Fastnet");
      EXPECT_EQ(f.at("properties").at("colour"), "#FF8000");
    }
  }
  EXPECT_EQ(highlighted, 1);
}

}  // namespace
