#include "geodesy/text/FieldTokeniser.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

namespace {

std::vector<std::string> AllFields(CFieldTokeniser tokens) {
  std::vector<std::string> fields;
  for (std::string field = tokens.NextField(); !tokens.AtEnd(); field = tokens.NextField()) fields.push_back(field);
  return fields;
}

using Fields = std::vector<std::string>;

TEST(FieldTokeniser, FieldsQuotesBlanksAndMarkers) {
  const struct {
    const char* text;
    char delimiter;
    Fields fields;
  } cases[] = {
      {"a, b ,c", ',', {"a", "b", "c"}},
      {"a,,b", ',', {"a", "", "b"}},
      {"a,", ',', {"a"}},
      {"", ',', {}},
      {"  lone  ", ',', {"lone"}},
      // A quoted field keeps its delimiters; what follows the closing quote
      // up to the delimiter is dropped.
      {"\"x, y\" junk , z", ',', {"x, y", "z"}},
      {"\"open", ',', {"open"}},
      {"a\xAB" "COMMA>\xBB" "b,c\xAB" "CR>\xBB\xAB" "LF>\xBB", ',', {"a,b", "c\r\n"}},
      // The markers without '>' are the settings file's, not these.
      {"a\xAB" "COMMA\xBB" "b", ',', {"a\xAB" "COMMA\xBB" "b"}},
      // KML tuples: a blank separates, commas stay inside.
      {"1,2,3 4,5,6", ' ', {"1,2,3", "4,5,6"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(AllFields(CFieldTokeniser(c.text, c.delimiter)), c.fields);
  }
}

TEST(FieldTokeniser, FieldCountIsDelimitersPlusOneAndTheEndComesAfterTheLastField) {
  EXPECT_EQ(CFieldTokeniser("").FieldCount(), 0u);
  EXPECT_EQ(CFieldTokeniser("1,2,").FieldCount(), 3u);
  EXPECT_EQ(CFieldTokeniser("1,2,3 4,5,6", ' ').FieldCount(), 2u);
  CFieldTokeniser tokens("a");
  EXPECT_EQ(tokens.NextField(), "a");
  EXPECT_FALSE(tokens.AtEnd());
  EXPECT_EQ(tokens.FieldCount(), 0u);
  EXPECT_EQ(tokens.NextField(), "");
  EXPECT_TRUE(tokens.AtEnd());
}

TEST(FieldTokeniser, NumbersAreTheLeadingRunOfNumberCharacters) {
  CFieldTokeniser tokens("1.5, abc, ?, 12e3x, -3, 4?, +2.5e-1, ");
  const double expected[] = {1.5, DBL_MAX, DBL_MAX, 12000.0, -3.0, DBL_MAX, 0.25};
  for (double value : expected) EXPECT_EQ(tokens.NextNumber(), value);
  EXPECT_EQ(tokens.NextNumber(), DBL_MAX);  // nothing left
  EXPECT_TRUE(tokens.AtEnd());
}

}  // namespace
