// The line-oriented reader: the header check of a KML file, the line reader
// across its buffer, and the tag tests the KML reader builds on.

#include "kml/XML.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

enum class TagTest { Open, CloseAtStart, CloseAtEnd };

struct TagCase {
  TagTest test;
  const char* line;
  const char* tag;
  bool expected;
};

bool Apply(const TagCase& c) {
  switch (c.test) {
    case TagTest::Open: return CXML::IsOpenTag(c.line, c.tag);
    case TagTest::CloseAtStart: return CXML::BeginsWithCloseTag(c.line, c.tag);
    case TagTest::CloseAtEnd: return CXML::EndsWithCloseTag(c.line, c.tag);
  }
  return false;
}

TEST(XMLTags, PrefixAndSuffixTestsIgnoringCase) {
  using enum TagTest;
  const TagCase cases[] = {
      {Open, "<point>", "<Point>", true},  // brackets on the tag are dropped
      {Open, "<PointX>", "Point", true},   // a prefix, not a whole name
      {Open, " <Point>", "Point", false},  // lines come trimmed; this one is not
      {Open, "</Point>", "Point", false},
      {CloseAtStart, "</STYLE>", "</Style>", true},  // '/' and brackets dropped from the tag
      {CloseAtStart, "</StyleMap>", "Style", false},  // the '>' is part of the test
      {CloseAtEnd, "1,2,3</Coordinates> \t ", "<coordinates>", true},
      {CloseAtEnd, "1,2,3</coordinates>x", "coordinates", false},
      {CloseAtEnd, "coordinates>", "coordinates", false},
  };
  for (const auto& c : cases) EXPECT_EQ(Apply(c), c.expected) << c.line << " / " << c.tag;
}

struct TextCase {
  const char* line;
  const char* tag;
  bool found;
  const char* text;
};

TEST(XMLElementText, IsLowerCaseAndStartsWhereTheBareOpenTagEnds) {
  const TextCase cases[] = {
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
  for (const auto& c : cases) {
    std::string text = "untouched";
    EXPECT_EQ(CXML::GetElementText(c.line, c.tag, text), c.found) << c.line;
    EXPECT_EQ(text, c.found ? c.text : "untouched") << c.line;
  }
}

// The usual colours are the KML reader's tests'; these are the odd ones.
TEST(XMLColour, ReadsAabbggrrAsRedGreenBlue) {
  const std::pair<const char*, std::uint32_t> cases[] = {
      {"<color>FFABCDEF</color>", 0xEFCDAB},  // upper case digits read the same
      {"<color>ff12</color>", 0x000012},      // missing digits read as 0
      {"<color>ffzz00gg</color>", 0x000000},  // non-hex digits count as 0
      {"<color>ff1a2b3c4d</color>", 0x3C2B1A},  // beyond 8 digits is not read
  };
  for (const auto& [line, expected] : cases) {
    std::uint32_t colour = 0xDEADBEEF;
    ASSERT_TRUE(CXML::GetColour(line, "color", colour)) << line;
    EXPECT_EQ(colour, expected) << line;
  }
  std::uint32_t colour = 0xDEADBEEF;
  EXPECT_FALSE(CXML::GetColour("<colour>ff0000ff</colour>", "color", colour));
  EXPECT_EQ(colour, 0xDEADBEEFu);
}

struct StripCase {
  bool open;
  const char* line;
  bool stripped;
  const char* rest;
};

TEST(XMLCoordinates, StripsTheOpenTagByLengthAndTheCloseTagAfterTrimming) {
  const StripCase cases[] = {
      {true, "<Coordinates a>1,2,3", true, "a>1,2,3"},  // the length of "<coordinates>", whatever stands there
      {true, "<coordinates", true, ""},
      {true, "<coord>1,2,3", false, "<coord>1,2,3"},
      {false, "1,2,3 4,5,6</COORDINATES>  \t", true, "1,2,3 4,5,6"},
      {false, "1,2,3   ", false, "1,2,3"},
  };
  for (const auto& c : cases) {
    std::string_view line = c.line;
    EXPECT_EQ(c.open ? CXML::StripCoordinatesOpen(line) : CXML::StripCoordinatesClose(line), c.stripped) << c.line;
    EXPECT_EQ(line, c.rest) << c.line;
  }
}

struct HeaderCase {
  const char* name;
  const char* text;
  bool accepted;
};

TEST(XMLOpen, HeaderCheck) {
  const HeaderCase cases[] = {
      {"kml first", "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n</kml>\n", true},
      {"upper case, indented, CRLF", "  \r\n\t<?xml version=\"1.0\"?>\r\n   <KML>\r\n", true},
      {"blank lines after the declaration", "<?xml version=\"1.0\"?>\n\n \n<kml>", true},
      {"declaration sharing the kml line", "<?xml version=\"1.0\"?><kml>\n", false},
      {"comment between", "<?xml version=\"1.0\"?>\n<!-- made by hand -->\n<kml>\n", false},
      {"no kml element", "<gpx>\n</gpx>\n", false},
      {"only blank lines", "\n  \n\t\n", false},
      {"empty", "", false},
      {"declaration alone", "<?xml version=\"1.0\"?>\n", false},
  };
  TestMachine machine;
  for (const auto& c : cases) {
    machine.Write("C:\\k\\doc.kml", c.text);
    CXML xml;
    EXPECT_EQ(xml.OpenKML("C:\\k\\doc.kml"), c.accepted) << c.name;
    EXPECT_EQ(xml.IsOpen(), c.accepted) << c.name;
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
