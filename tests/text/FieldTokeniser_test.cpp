#include "geodesy/text/FieldTokeniser.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

std::vector<std::string> AllFields(std::string_view text, char delimiter = ',') {
  CFieldTokeniser fields(text, delimiter);
  std::vector<std::string> out;
  for (std::string f = fields.NextField(); !fields.AtEnd(); f = fields.NextField()) out.push_back(f);
  return out;
}

TEST(FieldTokeniser, SplitsTrimsAndUnquotes) {
  struct Case {
    const char* text;
    char delimiter;
    std::vector<std::string> fields;
  } cases[] = {
      {"-1.5,52.25,0", ',', {"-1.5", "52.25", "0"}},
      {"  a ,  b  ,c  ", ',', {"a", "b", "c"}},
      {"\"Hook, Line\" ignored,next", ',', {"Hook, Line", "next"}},
      {"\"unclosed, quote", ',', {"unclosed, quote"}},
      {"a,,b", ',', {"a", "", "b"}},
      {"a;b;c", ';', {"a", "b", "c"}},
      // A trailing delimiter leaves nothing behind, so no empty last field.
      {"a,b,", ',', {"a", "b"}},
      {"", ',', {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(AllFields(c.text, c.delimiter), c.fields);
  }
}

TEST(FieldTokeniser, EscapeMarkersBecomeTheirCharacters) {
  EXPECT_EQ(AllFields("one\xAB" "CR>\xBB\xAB" "LF>\xBBtwo,x\xAB" "COMMA>\xBBy"),
            (std::vector<std::string>{"one\r\ntwo", "x,y"}));
  EXPECT_EQ(AllFields("x\xAB" "COMMA>\xBBy;z", ';'), (std::vector<std::string>{"x;y", "z"}));
}

TEST(FieldTokeniser, NumbersFromTheLeadingNumericSpan) {
  CFieldTokeniser fields("-2.5e1abc, 12.75 m,?,,+1e-3,?5");
  EXPECT_DOUBLE_EQ(fields.NextNumber(), -25.0);
  EXPECT_DOUBLE_EQ(fields.NextNumber(), 12.75);
  EXPECT_EQ(fields.NextNumber(), DBL_MAX);  // unknown value
  EXPECT_EQ(fields.NextNumber(), DBL_MAX);  // empty field
  EXPECT_DOUBLE_EQ(fields.NextNumber(), 0.001);
  EXPECT_EQ(fields.NextNumber(), DBL_MAX);
  EXPECT_FALSE(fields.AtEnd());
  EXPECT_EQ(fields.NextNumber(), DBL_MAX);
  EXPECT_TRUE(fields.AtEnd());
}

}  // namespace
