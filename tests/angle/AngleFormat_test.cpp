#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <numbers>
#include <string>

#include "geodesy/angle/AngleText.h"
#include "geodesy/angle/AngleUnits.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

// Radians that the formatter turns back into exactly these degrees (up to
// one rounding), so that expected texts can be worked out by hand.
double Radians(double degrees) { return degrees / kDegreesPerRadian; }
double Dms(double d, double m, double s) { return Radians(d + m / 60.0 + s / 3600.0); }

struct FormatCase {
  const char* what;
  double radians;
  int kind;
  int format;
  int decimals;
  char hemisphere;
  const char* text;  // Windows-1252: \xB0 is the degree sign
};

// Expected texts worked out by hand from the printf patterns of each format.
const FormatCase kFormatCases[] = {
    // Latitude 52.5 N in every format, default decimals.
    {"lat f0", Radians(52.5), 5, 0, -1, 0, "52\xB0 30' 00\".00000N"},
    {"lat f1", Radians(52.5), 5, 1, -1, 0, "52\xB0 30'.0000000N"},
    {"lat f2", Radians(52.5), 5, 2, -1, 0, "52\xB0.500000000N"},
    {"lat f3 signed, one place more", Radians(52.5), 5, 3, -1, 0, "+52\xB0.500000000"},
    {"lat f4 58.33g", Radians(52.5), 5, 4, -1, 0, "058g.333333333N"},
    {"lat south f3", Radians(-52.5), 5, 3, -1, 0, "-52\xB0.500000000"},
    // Longitude: three digits of degrees.
    {"lon f3 four digits", Radians(-2.25), 6, 3, -1, 0, "-002\xB0.250000000"},
    {"lon f4 2.5g", Radians(-2.25), 6, 4, -1, 0, "002g.500000000W"},
    {"lon east f1 3 dec", Radians(179.5), 6, 1, 3, 0, "179\xB0 30'.000E"},
    {"the unit symbol stands before the point", Dms(0, 30.123, 0), 2, 1, 3, 0, "000\xB0 30'.123"},
    // Signed kinds: one sign character in front, never two.
    {"kind 1 negative f0", Radians(-0.5), 1, 0, -1, 0, "-000\xB0 30' 00\".00000"},
    {"kind 1 negative f3: printf's own sign", Radians(-0.5), 1, 3, -1, 0, "-00\xB0.500000000"},
    {"kind 1 positive f3", Radians(145.5), 1, 3, 2, 0, "+145\xB0.50"},
    {"kind 1 zero is +", 0.0, 1, 2, 3, 0, "+000\xB0.000"},
    {"kind 1 minus zero is +", -0.0, 1, 3, 3, 0, "+00\xB0.000"},
    {"kind 3 f4 gradians three digits", Radians(-45.0), 3, 4, 1, 0, "-050g.0"},
    {"kind 8 f0 default 2 decimals", Radians(-45.5), 8, 0, 99, 0, "-45\xB0 30' 00\".00"},
    // Unsigned kinds.
    {"kind 2 f2", Radians(359.5), 2, 2, -1, 0, "359\xB0.500000000"},
    {"kind 2 f3 no sign", Radians(10.5), 2, 3, -1, 0, "010\xB0.500000000"},
    {"kind 2 f4", Radians(359.5), 2, 4, 3, 0, "399g.444"},
    {"kind 7 f0 default 2 decimals", Radians(10.25), 7, 0, -1, 0, "010\xB0 15' 00\".00"},
    {"kind 4 is a quarter turn minus the value", std::numbers::pi / 2 - Radians(30.0), 4, 2, 4, 0, "030\xB0.0000"},
    // Zero decimals: no point, nothing to move; format 4 keeps its extra place.
    {"f0 p0", Dms(10, 30, 15), 5, 0, 0, 0, "10\xB0 30' 15\"N"},
    {"f1 p0", Dms(10, 30, 15), 5, 1, 0, 0, "10\xB0 30'N"},
    {"f4 p0", Radians(45.0), 5, 4, 0, 0, "0050gN"},
    // Rounding carries (3 decimals: seconds above 59.9995 carry).
    {"seconds carry into minutes", Dms(10, 30, 59.9999), 5, 0, 3, 0, "10\xB0 31' 00\".000N"},
    {"carry out of 59 minutes reaches degrees", Dms(10, 59, 59.99996), 5, 0, 3, 0, "11\xB0 00' 00\".000N"},
    {"no carry just below the limit", Dms(10, 30, 59.9994), 5, 0, 3, 0, "10\xB0 30' 59\".999N"},
    {"carry at 0 decimals above 59.5", Dms(10, 30, 59.6), 5, 0, 0, 0, "10\xB0 31' 00\"N"},
    {"format 1 carries on the seconds too", Dms(10, 59, 59.9999), 5, 1, 2, 0, "11\xB0 00'.00N"},
    // Only the seconds carry: minutes 59.75 at 0 decimals print as 60.
    {"format 1 shows 60 minutes", Dms(10, 59, 45), 5, 1, 0, 0, "10\xB0 60'N"},
    {"carry on a negative longitude", Dms(-(0 + 59 / 60.0 + 59.999999 / 3600.0), 0, 0), 6, 0, 5, 0,
     "001\xB0 00' 00\".00000W"},
    // Exactly zero: the caller's default letter, else N or E.
    {"zero latitude, no default", 0.0, 5, 2, 2, 0, "00\xB0.00N"},
    {"zero latitude, default s", 0.0, 5, 0, 0, 's', "00\xB0 00' 00\"S"},
    {"zero longitude, default W", 0.0, 6, 1, 1, 'W', "000\xB0 00'.0W"},
    {"default letter only for zero", Radians(1.0), 5, 2, 1, 'S', "01\xB0.0N"},
    {"not a letter: no default", 0.0, 5, 2, 1, 'x', "00\xB0.0N"},
    {"signed kind ignores the letter", 0.0, 1, 2, 1, 'S', "+000\xB0.0"},
    // The two marker values, before kind 4 turns anything.
    {"n/a", -1.0, 5, 0, -1, 0, "n/a"},
    {"n/a kind 4", -1.0, 4, 2, -1, 0, "n/a"},
    {"no value", DBL_MAX, 6, 1, -1, 0, ""},
    // Values no text can hold, and kinds and formats that do not exist.
    {"infinite", INFINITY, 1, 2, -1, 0, ""},
    {"NaN", NAN, 1, 0, -1, 0, ""},
    {"too many degrees for an int", 1e300, 1, 0, -1, 0, ""},
    {"kind 0", 0.5, 0, 2, -1, 0, ""},
    {"kind 10", 0.5, 10, 2, -1, 0, ""},
    {"format 6", 0.5, 1, 6, -1, 0, ""},
    {"format -1", 0.5, 1, -1, -1, 0, ""},
    // 32 decimals are allowed; 33 fall back to the default.
    {"33 decimals", Radians(1.5), 2, 2, 33, 0, "001\xB0.500000000"},
};

TEST(FormatAngle, KindsFormatsCarriesSignsAndLetters) {
  TestMachine machine;  // format 5 must not find the user's own settings
  for (const auto& c : kFormatCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FormatAngle(c.radians, c.kind, c.format, c.decimals, c.hemisphere), c.text);
  }
}

TEST(FormatAngle, ThirtyTwoDecimalsArePrintedInFull) {
  EXPECT_EQ(FormatAngle(Radians(1.5), 2, 2, 32).size(), 3u + 1u + 1u + 32u);
}

TEST(FormatAngle, FormatFiveTakesEverythingFromTheUserSettings) {
  TestMachine machine;
  // No settings files: format 1 with 7 decimals, N and E.
  EXPECT_EQ(FormatAngle(0.0, 5, 5), "00\xB0 00'.0000000N");
  EXPECT_EQ(FormatAngle(Radians(1.5), 2, 5, 2), "001\xB0 30'.0000000");

  machine.Write("C:\\MySettings\\Host\\Geographicals_Settings.INI",
                "Format = 0\nDecimals = 2\nLatitude Hemisphere = S\nLongitude Hemisphere = W\n");
  machine.Write("C:\\MySettings\\Host\\Angle_Settings.INI", "Format = 2\nDecimals = 3\n");
  // The caller's decimals and letter give way to the settings.
  EXPECT_EQ(FormatAngle(0.0, 5, 5, 6, 'N'), "00\xB0 00' 00\".00S");
  EXPECT_EQ(FormatAngle(0.0, 6, 5), "000\xB0 00' 00\".00W");
  EXPECT_EQ(FormatAngle(Radians(1.5), 2, 5), "001\xB0.500");
  EXPECT_EQ(FormatAngle(Radians(-1.5), 1, 5), "-001\xB0.500");
}

struct TemplateCase {
  int kind;
  int format;
  int decimals;
  const char* text;
  const char* limit;
};

TEST(AngleTemplate, LargestTextAndLimitOfEachKind) {
  const TemplateCase cases[] = {
      {5, 0, 5, "89\xB0 59' 59\".99999N", "9"},
      {5, 0, 0, "89\xB0 59' 59\"N", "9"},
      {6, 1, 7, "179\xB0 59'.9999999E", "18"},
      {1, 2, 9, "+179\xB0.999999999", "18"},
      {2, 2, 0, "359\xB0", "36"},
      {7, 2, -1, "359\xB0.99", "36"},
      {4, 0, 1, "179\xB0 59' 59\".9", "18"},
      {8, 1, 40, "+89\xB0 59'.99", "9"},
      // Formats 3 and 4 print with the pattern of format 2, letter and all.
      {6, 3, 9, "0179\xB0.999999999E", "018"},
      {3, 4, 9, "+099\xB0.999999999", "1"},
      {2, 4, 1, "399\xB0.9", "4"},
      {0, 2, 1, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " format " << c.format << " decimals " << c.decimals);
    const AngleMask mask = AngleTemplateText(c.kind, c.format, c.decimals);
    EXPECT_EQ(mask.text, c.text);
    EXPECT_EQ(mask.limit, c.limit);
  }
}

TEST(AngleTemplate, BuffersAreFilledAndCutToFit) {
  char text[64];
  char limit[8];
  EXPECT_EQ(AngleTemplate(5, 0, text, sizeof text, 5, limit, sizeof limit), 18);
  EXPECT_STREQ(text, "89\xB0 59' 59\".99999N");
  EXPECT_STREQ(limit, "9");
  char small[6];
  EXPECT_EQ(AngleTemplate(5, 0, small, sizeof small, 5), 18);
  EXPECT_STREQ(small, "89\xB0 5");
  EXPECT_EQ(AngleTemplate(5, 0, nullptr, 0, 5, nullptr, 0), 18);
}

TEST(HemisphereLetter, OnlyTheFourLettersInEitherCase) {
  const std::string in = "NnSsEeWwXx0 \xB0";
  const std::string out = {'N', 'N', 'S', 'S', 'E', 'E', 'W', 'W', 0, 0, 0, 0, 0};
  for (std::size_t i = 0; i < in.size(); ++i) EXPECT_EQ(HemisphereLetter(in[i]), out[i]) << in[i];
}

}  // namespace
