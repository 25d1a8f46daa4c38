// Coordinates text: the tuples of three fields, and the one-pass walk held
// to the field tokeniser's answers on every text it could meet.

#include "kml/CoordinateText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "geodesy/text/FieldTokeniser.h"

namespace {

// The rules as the tokeniser states them: the text split at blanks, each
// tuple split at commas, kept when it has exactly three fields. The
// tokeniser's own tests pin down the splitting; the walk is held to this.
CXYArray ByTokeniser(std::string_view text) {
  CXYArray points;
  CFieldTokeniser tuples(text, ' ');
  for (;;) {
    const std::string tuple = tuples.NextField();
    if (tuples.AtEnd()) break;
    CFieldTokeniser fields(tuple, ',');
    if (fields.FieldCount() != 3) continue;
    tagXY p;
    p.x = fields.NextNumber() * kRadiansPerDegree;
    p.y = fields.NextNumber() * kRadiansPerDegree;
    points.Add(p);
  }
  return points;
}

// Same conversion, same bits: equality is exact, NaN-free by construction
// (no "nan" can be spelt from the number characters used here).
void ExpectWalkAgreesWithTokeniser(const std::string& text) {
  const CXYArray expected = ByTokeniser(text);
  CXYArray got;
  AppendCoordinateTuples(text, got);
  ASSERT_EQ(got.GetSize(), expected.GetSize()) << "text: [" << text.substr(0, 100) << "]";
  for (std::size_t k = 0; k < got.GetSize(); ++k) {
    ASSERT_EQ(got[k].x, expected[k].x) << "text: [" << text.substr(0, 100) << "] tuple " << k;
    ASSERT_EQ(got[k].y, expected[k].y) << "text: [" << text.substr(0, 100) << "] tuple " << k;
  }
}

// Texts built from the characters that matter to either splitter: blanks,
// tabs, commas, quotes, the escape markers, number characters and others,
// with runs where a fast decimal conversion and strtod could part (signs in
// the wrong place, bare exponents, values out of range or subnormal).
std::string RandomText(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {
      "1", "52.5", "-0.25", "+3", "e", "1e3", ".", "?", ",", ",", ",", " ", " ", "  ", "\t", "\"", "x",
      "\xAB" "COMMA>\xBB", "\xAB" "CR>\xBB", "\xAB" "LF>\xBB", "\xAB", "1,2,3", "4.5,6.5,0", " ", "--", "\r",
      "+-1", "1e+", "5.", "1e400", "-1e400", "1e-400", "4.9e-324", "0.000000000000000000001", "1-2"};
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1), length(0, 24);
  std::string text;
  for (std::size_t n = length(rng); n > 0; --n) text += pieces[pick(rng)];
  return text;
}

TEST(CoordinateTuples, TheWalkGivesTheTokenisersAnswersExactly) {
  std::mt19937 rng(20240612);
  for (int i = 0; i < 50000; ++i) ASSERT_NO_FATAL_FAILURE(ExpectWalkAgreesWithTokeniser(RandomText(rng)));
}

TEST(CoordinateTuples, LongTextsReadEveryTupleWhateverTheirSpacing) {
  // Past 1024 tuples the array is reserved from an estimate; the estimate
  // must never lose or invent a tuple, with tuples long, short, or mixed
  // with junk that reads nothing.
  const auto repeated = [](const char* tuple, int times) {
    std::string t;
    for (int i = 0; i < times; ++i) t += tuple;
    return t;
  };
  const std::string texts[] = {repeated("-1.234567,50.123456,0 ", 5000), repeated("1,2,3 ", 5000),
                               repeated("1,2,3 ", 3000) + std::string(100000, 'x') + " 4,5,6"};
  for (const auto& text : texts) ExpectWalkAgreesWithTokeniser(text);
}

}  // namespace
