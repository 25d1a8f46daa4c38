#include "geodesy/angle/AngleSettings.h"

#include <gtest/gtest.h>

#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

constexpr char kAngleFile[] = "C:\\MySettings\\Host\\Angle_Settings.INI";
constexpr char kGeographicalsFile[] = "C:\\MySettings\\Host\\Geographicals_Settings.INI";

TEST(AngleSettings, KindsFiveAndSixReadTheGeographicalsWithTheirLetter) {
  TestMachine machine;
  machine.Write(kAngleFile, "Format = 3\nDecimals = 4\n");
  machine.Write(kGeographicalsFile, "Format = 0\r\nDecimals = 2\r\nA = S\r\nB = W\r\n");
  const struct {
    int kind;
    int format;
    int decimals;
    char hemisphere;
    int displayFormat;
  } cases[] = {
      {1, 3, 4, 0, 3}, {2, 3, 4, 0, 3}, {3, 3, 4, 0, 3}, {4, 3, 4, 0, 3}, {5, 0, 2, 'S', 0},
      {6, 0, 2, 'W', 0}, {7, 3, 4, 0, 2}, {8, 3, 4, 0, 2}, {9, 3, 4, 0, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    const AngleSettings settings = ReadAngleSettings(c.kind);
    EXPECT_EQ(settings.format, c.format);
    EXPECT_EQ(settings.decimals, c.decimals);
    EXPECT_EQ(settings.hemisphere, c.hemisphere);
    EXPECT_EQ(DisplayFormat(c.kind), c.displayFormat);
  }
}

TEST(AngleSettings, ShortFilesAndStrangeFormatsFallBackToDefaults) {
  TestMachine machine;
  // Only the format is stored; the rest are defaults.
  machine.Write(kGeographicalsFile, "Format = 2\n");
  EXPECT_EQ(ReadAngleSettings(5).format, 2);
  EXPECT_EQ(ReadAngleSettings(5).decimals, 7);
  EXPECT_EQ(ReadAngleSettings(6).hemisphere, 'E');
  // Format 5 would send the formatter back to the settings for ever.
  for (const char* stored : {"Format = 5\n", "Format = -1\n", "Format = 9\n", "Format = x\n"}) {
    machine.Write(kAngleFile, stored);
    EXPECT_EQ(ReadAngleSettings(1).format, stored[9] == 'x' ? 0 : 1) << stored;
  }
}

TEST(AngleSettings, SavedGroupsAreTheFilesTheReadersRead) {
  TestMachine machine;
  ASSERT_TRUE(SaveAngleSettings({2, 3, 0}));
  ASSERT_TRUE(SaveGeographicalsSettings({0, 5, 'S', 'W'}));
  EXPECT_EQ(machine.Read(kAngleFile), "Format = 2\nDecimals = 3\n");
  EXPECT_EQ(machine.Read(kGeographicalsFile),
            "Format = 0\nDecimals = 5\nLatitude Hemisphere = S\nLongitude Hemisphere = W\n");
  EXPECT_EQ(ReadAngleSettings(6).hemisphere, 'W');
}

}  // namespace
