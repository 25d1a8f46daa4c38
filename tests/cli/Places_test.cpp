// overlays places end to end: the list, the place the combo box selects for
// a position, and the refusals. The choice and its distance are checked
// against GeographicLib in tests/controls; here the command's outcomes.

#include <gtest/gtest.h>

#include "CliRunner.h"

namespace {

using testing_support::CliCase;
using testing_support::ExpectCli;
using testing_support::Lines;

TEST(PlacesCli, ListsOrSelectsExactlyOrRefuses) {
  const CliCase cases[] = {
      // The table's own digits, numbered from 1.
      {{"places"}, 0, "2   Penzance                             50.1        -5.55\n", ""},
      {{"places"}, 0, "63  Kirkwall                      58.98333333 -2.966666667\n", ""},
      {{"places", "--near", "50.1", "-5.55"}, 0, "2   Penzance                     0.000 m\n", ""},
      {{"places", "--near", "0", "0"}, 0, "3   Lizard Point                 5557447.161 m\n", ""},
      // On Penzance's antipode its line is refused; the farthest place from it is nearest.
      {{"places", "--near", "-50.1", "174.45"}, 0, "68  Burra Firth", ""},
      {{"places", "--near", "91", "0"}, 1, "", "the latitude must be a number from -90 to 90"},
      {{"places", "--near", "nan", "0"}, 1, "", "the latitude must be a number from -90 to 90"},
      {{"places", "--near", "0", "-180.5"}, 1, "", "the longitude must be a number from -180 to 180"},
      {{"places", "--near", "x", "0"}, 1, "", "--near"},
      {{"places", "--near", "1"}, 1, "", "--near"},
  };
  for (const CliCase& c : cases) ExpectCli(c);
  EXPECT_EQ(Lines(ExpectCli({{"places"}, 0, "122 Rosslare Europort", ""}).out).size(), 123u) << "heading and 122 places";
}

}  // namespace
