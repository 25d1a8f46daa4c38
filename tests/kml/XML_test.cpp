// The line-oriented reader: the header check of a KML file, the line reader
// across its buffer, and the tag tests the KML reader builds on.

#include "kml/XML.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

using TagTest = bool (*)(std::string_view line, std::string_view tag);

TEST(XMLTags, PrefixAndSuffixTestsIgnoringCase) {
  const TagTest open = CXML::IsOpenTag, closeAtStart = CXML::BeginsWithCloseTag, closeAtEnd = CXML::EndsWithCloseTag;
  const std::tuple<TagTest, const char*, const char*, bool> cases[] = {
      {open, "<point>", "<Point>", true},  // brackets on the tag are dropped
      {open, "<PointX>", "Point", true},   // a prefix, not a whole name
      {open, " <Point>", "Point", false},  // lines come trimmed; this one is not
      {open, "</Point>", "Point", false},
      {closeAtStart, "</STYLE>", "</Style>", true},   // '/' and brackets dropped from the tag
      {closeAtStart, "</StyleMap>", "Style", false},  // the '>' is part of the test
      {closeAtEnd, "1,2,3</Coordinates> \t ", "<coordinates>", true},
      {closeAtEnd, "1,2,3</coordinates>x", "coordinates", false},
      {closeAtEnd, "coordinates>", "coordinates", false},
  };
  for (const auto& [test, line, tag, expected] : cases) EXPECT_EQ(test(line, tag), expected) << line << " / " << tag;
}

TEST(XMLElementText, IsLowerCaseAndStartsWhereTheBareOpenTagEnds) {
  const std::tuple<const char*, const char*, bool, const char*> cases[] = {
      {"<NAME>Wreck Site</Name>", "<name>", true, "wreck site"},
      // Attributes are cut into, not skipped: the text starts 6 characters
      // in, as far as "<name>" reaches.
      {"<name id=\"7\">Buoy</name>", "name", true, "id=\"7\">buoy"},
      // The close tag before the end of "<name>" gives empty text.
      {"<name</name>", "name", true, ""},
      {"<name>Open only", "name", false, ""},
      {"<names>A</names>", "name", false, ""},  // "</name>" is not in it
      {"x<name>A</name>", "name", false, ""},
  };
  for (const auto& [line, tag, found, expected] : cases) {
    std::string text = "untouched";
    EXPECT_EQ(CXML::GetElementText(line, tag, text), found) << line;
    EXPECT_EQ(text, found ? expected : "untouched") << line;
  }
}

// The usual colours are the KML reader's tests'; these are the odd ones.
TEST(XMLColour, ReadsAabbggrrAsRedGreenBlue) {
  constexpr std::uint32_t kUntouched = 0xDEADBEEF;
  const std::pair<const char*, std::uint32_t> cases[] = {
      {"<color>FFABCDEF</color>", 0xEFCDAB},     // upper case digits read the same
      {"<color>ff12</color>", 0x000012},         // missing digits read as 0
      {"<color>ffzz00gg</color>", 0x000000},     // non-hex digits count as 0
      {"<color>ff1a2b3c4d</color>", 0x3C2B1A},   // beyond 8 digits is not read
      {"<colour>ff0000ff</colour>", kUntouched},  // another tag: no colour
  };
  for (const auto& [line, expected] : cases) {
    std::uint32_t colour = kUntouched;
    EXPECT_EQ(CXML::GetColour(line, "color", colour), expected != kUntouched) << line;
    EXPECT_EQ(colour, expected) << line;
  }
}

TEST(XMLCoordinates, StripsTheOpenTagByLengthAndTheCloseTagAfterTrimming) {
  using Strip = bool (*)(std::string_view&);
  const Strip open = CXML::StripCoordinatesOpen, close = CXML::StripCoordinatesClose;
  const std::tuple<Strip, const char*, bool, const char*> cases[] = {
      {open, "<Coordinates a>1,2,3", true, "a>1,2,3"},  // the length of "<coordinates>", whatever stands there
      {open, "<coordinates", true, ""},
      {open, "<coord>1,2,3", false, "<coord>1,2,3"},
      {close, "1,2,3 4,5,6</COORDINATES>  \t", true, "1,2,3 4,5,6"},
      {close, "1,2,3   ", false, "1,2,3"},
  };
  for (const auto& [strip, text, stripped, rest] : cases) {
    std::string_view line = text;
    EXPECT_EQ(strip(line), stripped) << text;
    EXPECT_EQ(line, rest) << text;
  }
}

TEST(XMLOpen, HeaderCheck) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"kml first", "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n</kml>\n", true},
      {"upper case, indented, CRLF", "  \r\n\t<?xml version=\"1.0\"?>\r\n   <KML>\r\n", true},
      {"blank lines after the declaration", "<?xml version=\"1.0\"?>\n\n \n<kml>", true},
      {"declaration sharing the kml line", "<?xml version=\"1.0\"?><kml>\n", false},
      {"comment between", "<?xml version=\"1.0\"?>\n<!-- made by hand -->\n<kml>\n", false},
      {"no kml element", "<gpx>\n</gpx>\n", false},
      {"empty", "", false},
      {"cut after the declaration", "<?xml version=\"1.0\"?>\n", false},
  };
  TestMachine machine;
  for (const auto& [name, text, accepted] : cases) {
    machine.Write("C:\\k\\doc.kml", text);
    CXML xml;
    EXPECT_EQ(xml.OpenKML("C:\\k\\doc.kml"), accepted) << name;
    EXPECT_EQ(xml.IsOpen(), accepted) << name;
  }
  CXML xml;
  EXPECT_FALSE(xml.OpenKML("C:\\k\\missing.kml"));
  EXPECT_FALSE(xml.OpenKML("C:\\k"));  // a folder is no file
}

TEST(XMLReadString, LinesLongerThanTheReadBlockComeWhole) {
  // 3 MB in one line crosses the 256 KB read block many times; the short
  // lines around it must keep their bounds.
  const std::string longLine(3u << 20, 'x');
  TestMachine machine;
  machine.Write("C:\\long.kml", "<kml>\n" + longLine + "\nshort\r\n" + longLine);
  CXML xml;
  ASSERT_TRUE(xml.OpenKML("C:\\long.kml"));
  std::string_view line;
  ASSERT_TRUE(xml.ReadString(line));
  EXPECT_EQ(line, longLine);
  ASSERT_TRUE(xml.ReadString(line));
  EXPECT_EQ(line, "short\r");  // raw: only the reader of next lines trims
  ASSERT_TRUE(xml.ReadString(line));
  EXPECT_EQ(line, longLine);  // the last line needs no line feed
  EXPECT_FALSE(xml.ReadString(line));
  EXPECT_FALSE(xml.ReadNextLine(line));  // and the end stays the end
}

}  // namespace
