#include "wrecks/WreckSettings.h"

#include <gtest/gtest.h>

#include "support/TestMachine.h"
#include "wrecks/WreckList.h"

namespace {

using testing_support::TestMachine;

const char* const kSettings = "C:\\MySettings\\Host\\WreckList.INI";

TEST(WreckSettings, WrittenLinesAndRoundTrip) {
  TestMachine machine;
  CWreckList list;
  list.searchMethod = 2;
  list.centreLatitude = 0.92502;
  list.centreLongitude = -0.0123456;
  list.searchRadius = 2.5;
  list.searchName = "Hook, Line\r\nand Sinker";
  list.showWrecks = true;
  list.showObstructions = false;
  list.label = true;
  list.showSearchRadius = false;
  SaveSearchSettings(&list);
  EXPECT_EQ(machine.Read(kSettings),
            "Search Method = 2\n"
            "Latitude = 0.925\n"
            "Longitude = -0.012\n"
            "Search Radius = 2.500\n"
            "Search Name = Hook\xAB" "COMMA\xBB Line\xAB" "CR\xBB\xAB" "LF\xBB" "and Sinker\n"
            "Show Wrecks = 1\n"
            "Show Obstructions = 0\n"
            "Label = 1\n"
            "Show Search Radius = 0\n");
  CWreckList back;
  LoadSearchSettings(&back);
  EXPECT_EQ(back.searchMethod, 2);
  EXPECT_EQ(back.centreLatitude, 0.925);
  EXPECT_EQ(back.centreLongitude, -0.012);
  EXPECT_EQ(back.searchName, list.searchName);
  EXPECT_FALSE(back.showObstructions);
  EXPECT_TRUE(back.label);
}

}  // namespace
