// The number field's typing, cut and paste rules, without a window. Each
// typing row starts from a text and a selection, types its keys one after
// another (a refused key leaves text and selection alone) and gives the text
// and caret after the last one.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "controls/NumberTyping.h"

namespace {

const NumberLayout kFree{};
const NumberLayout kFreePlus{.plusSign = true};
const NumberLayout kPositive{.negativeAllowed = false};
const NumberLayout kWhole{.decimals = 0};
const NumberLayout kShortInteger{.integerDigits = 3};
const NumberLayout kUpTo100{.checkMaximum = true, .maximum = 100};
const NumberLayout kFrom10{.checkMinimum = true, .minimum = 10};
const NumberLayout kFixed{.fixedLayout = true};
const NumberLayout kFixedWhole{.decimals = 0, .fixedLayout = true};
const NumberLayout kFixedPlus{.plusSign = true, .fixedLayout = true};
const NumberLayout kFixedNoRoomForPoint{.fixedLayout = true, .integerDigits = 12};
const NumberLayout kNarrowPlus{.plusSign = true, .maxCharacters = 2};
const NumberLayout kMetres{.units = " m"};
const NumberLayout kFixedMetres{.fixedLayout = true, .units = " m"};

// A field's layout, text and selection, what goes in (keys typed, or the
// clipboard's text) or out (what a cut puts on the clipboard), and the text
// and caret that result. No expected text: nothing changes.
struct Row {
  const NumberLayout* layout;
  const char* text;
  int selStart, selEnd;
  const char *put, *expected;
  int caret;
};

std::string Describe(const Row& row) {
  return '"' + std::string(row.text) + "\" [" + std::to_string(row.selStart) + ',' + std::to_string(row.selEnd) +
         ") \"" + row.put + '"';
}

// The text and the selection's end (the caret) after the row's keys.
NumberEdit TypeKeys(const Row& row) {
  std::string text = row.text;
  int start = row.selStart, end = row.selEnd;
  for (const char key : std::string(row.put)) {
    if (const auto typed = TypeNumberCharacter(*row.layout, text, start, end, key)) {
      text = typed->text;
      start = end = typed->caret;
    }
  }
  return {text, end};
}

TEST(NumberTypingTest, KeysFollowTheLayoutsRules) {
  const Row rows[] = {
      // Free layout: digits, one point, decimals up to their count.
      {&kFree, "", 0, 0, ".", "0.", 2},
      {&kFree, "", 0, 0, "123456789", "12345678", 8},
      {&kFree, "", 0, 0, "1.2345", "1.234", 5},
      {&kFree, "12.5", 0, 4, "7", "7", 1},
      {&kFree, "12.5", 0, 0, "9", "92.5", 1},
      {&kShortInteger, "12.500", 2, 2, "9", "129", 3},
      {&kWhole, "", 0, 0, "1234567890123", "123456789012", 12},
      {&kFree, "1234", 3, 1, "7", "17", 2},
      {&kFree, "12", -5, 99, "3", "3", 1},
      // Signs only at the start, each only when the layout has it.
      {&kFree, "12", 0, 0, "-", "-2", 1},
      {&kFree, "12", 1, 1, "-", "12", 1},
      {&kFree, "12", 0, 0, "+", "12", 0},
      {&kPositive, "", 0, 0, "-", "", 0},
      {&kFreePlus, "", 0, 0, "5", "+5", 2},
      {&kFreePlus, "", 0, 0, "123456789", "+1234567", 8},
      {&kFreePlus, "-12", 0, 0, "+", "+12", 1},
      {&kFreePlus, "-12", 0, 0, "9", "-92", 2},
      // The free point: jumped over, refused behind another, or moved.
      {&kFree, "12.5", 2, 2, ".", "12.5", 3},
      {&kFree, "12.5", 4, 4, ".", "12.5", 4},
      {&kFree, "12345678", 2, 2, ".", "12.456", 3},
      {&kFree, "12.5", 1, 1, ".", "1.", 2},
      {&kWhole, "12", 2, 2, ".", "12", 2},
      {&kFreePlus, "", 0, 0, ".", "+0.", 3},
      {&kFreePlus, "12.5", 0, 0, ".", "+0.5", 3},
      {&kNarrowPlus, "", 0, 0, ".", "", 0},
      // Space walks over the point.
      {&kFree, "12.5", 1, 1, " ", "12.5", 3},
      {&kFree, "1234", 1, 3, " ", "14", 2},
      {&kMetres, "12345678.123 m", 12, 12, " ", "12345678.123 m", 12},
      // Free Backspace.
      {&kFree, "12.5", 4, 4, "\b", "12.", 3},
      {&kFree, "1234", 2, 2, "\b", "134", 1},
      {&kShortInteger, "12.55", 3, 3, "\b", "125", 2},
      {&kFree, "-5.5", 2, 2, "\b", "-0.5", 1},
      {&kFree, "5.5", 1, 1, "\b", "5.5", 0},
      {&kPositive, "5.5", 1, 1, "\b", "0.5", 0},
      {&kFree, "", 0, 0, "\b", "", 0},
      {&kFree, "1234", 1, 3, "\b", "4", 0},
      {&kFreePlus, "-5", 1, 1, "\b", "+5", 0},
      // Bounds refuse a digit and keep text and selection.
      {&kUpTo100, "", 0, 0, "1005", "100", 3},
      {&kFrom10, "20", 0, 2, "5", "20", 2},
      {&kFrom10, "20", 1, 1, "5", "25", 2},
      // Fixed layout: digits overwrite and the point keeps its place.
      {&kFixed, "", 0, 0, "12.5", "00000012.5", 10},
      {&kFixed, "", 0, 0, "123456785", "12345678.5", 10},
      {&kFixedWhole, "", 0, 0, "123456789", "123456789", 9},
      {&kFixed, "00000012.500", 0, 0, "9", "90000012.500", 1},
      {&kFixed, "00000012.500", 12, 12, "1", "00000012.500", 12},
      {&kFixed, "45000012.500", 2, 2, ".", "00000045.500", 9},
      {&kFixed, "00000012.500", 8, 8, ".", "00000012.500", 9},
      {&kFixed, "00000012.500", 10, 10, ".", "00000012.500", 10},
      {&kFixedPlus, "", 0, 0, "7.", "+0000007.", 9},
      {&kFixedNoRoomForPoint, "", 0, 0, ".", "", 0},
      {&kFixed, "00000012.500", 10, 10, "\b", "00000012.000", 9},
      {&kFixed, "00000012.500", 9, 9, "\b", "00000010.500", 7},
      {&kFixedPlus, "-0000012.500", 1, 1, "\b", "+0000012.500", 0},
      {&kFixed, "-0000012.500", 1, 1, "\b", "00000012.500", 0},
      // Units are text like any other; keys without a rule change nothing.
      {&kMetres, "12.500 m", 0, 8, "7", "7", 1},
      {&kFree, "12", 0, 2, "#", "12", 2},
      {&kFree, "12", 2, 2, "a\r\x03\x16\x18", "12", 2},
  };
  for (const Row& row : rows) EXPECT_EQ(TypeKeys(row), (NumberEdit{row.expected, row.caret})) << Describe(row);
}

TEST(NumberTypingTest, CutLeavesAWellFormedNumber) {
  const Row rows[] = {
      {&kWhole, "123456789012", 0, 12, "123456789012", "0", 0},
      {&kFreePlus, "+12.500", 0, 7, "+12.500", "+0", 0},
      {&kFreePlus, "+12.5", 0, 1, "+", "+12.5", 0},
      {&kFreePlus, "+0.5", 0, 2, "+0", "+0.5", 0},
      {&kFree, "-12.5", 0, 2, "-1", "2.5", 0},
      {&kFree, "-0.5", 1, 2, "0", "-0.5", 1},
      {&kFree, "12345678.5", 8, 9, ".", "12345678", 8},
      {&kFreePlus, "n/a", 1, 1, "", "n/a", 1},  // fuzz: once "+n/a", past the field's limit
      {&kMetres, "12.500 m", 0, 8, "12.500 m", "0 m", 0},
      {&kFixed, "00000012.500", 6, 8, "12", "00000000.500", 6},
      {&kFixed, "00000012.5", 0, 10, "00000012.5", "00000000.0", 0},  // whole means up to the limit
      {&kFixedMetres, "00000012.500 m", 9, 13, "500 ", "00000012.000 m", 9},
  };
  for (const Row& row : rows) {
    const NumberCut cut = CutNumberSelection(*row.layout, row.text, row.selStart, row.selEnd);
    EXPECT_EQ(cut.edit, (NumberEdit{row.expected, row.caret})) << Describe(row);
    EXPECT_EQ(cut.clipboard, row.put) << Describe(row);
  }
}

TEST(NumberTypingTest, PasteFitsWhatItCanAndShowsTheValueFormatted) {
  const Row rows[] = {
      {&kFree, "12.5", 0, 4, "3.25", "3.250", 4},
      {&kFree, "1.5", 1, 1, "23", "123.500", 1},
      {&kFree, "12345678.12", 11, 11, "345", "12345678.123", 11},
      {&kWhole, "123456789012", 12, 12, "3", nullptr, 0},
      {&kFree, "", 0, 0, "abc", "0.000", 0},
      {&kFree, "", 0, 0, "nan", "0.000", 0},
      {&kFree, "", 0, 0, "1e400", "99999999.999", 0},
      {&kFreePlus, "", 0, 0, "7", "+7.000", 0},
      {&kMetres, "12.500 m", 0, 8, "3", "3.000 m", 7},
      {&kFixed, "00000012.500", 6, 8, "345", "00000034.500", 8},
      {&kFixed, "00000012.500", 10, 10, "999", "00000012.599", 10},
      {&kFixed, "00000012.500", 12, 12, "9", nullptr, 0},
  };
  for (const Row& row : rows) {
    const auto pasted = PasteIntoNumber(*row.layout, row.text, row.selStart, row.selEnd, row.put);
    if (!row.expected)
      EXPECT_FALSE(pasted) << Describe(row);
    else
      EXPECT_EQ(pasted, (NumberEdit{row.expected, row.caret})) << Describe(row);
  }
}

TEST(NumberTypingTest, ValuesShowInTheLayoutAndFocusReformats) {
  struct Shown { const NumberLayout* layout; double value; const char* text; };
  const Shown values[] = {
      {&kFree, 12.5, "12.500"},        {&kFree, kNoNumber, "n/a"},           {&kFree, std::nan(""), "n/a"},
      {&kFree, 1e20, "99999999.999"},  {&kFreePlus, 12.5, "+12.500"},        {&kWhole, -3, "-3"},
      {&kFixed, 12.5, "00000012.500"}, {&kFixedPlus, -12.5, "-0000012.500"}, {&kMetres, 12.5, "12.500 m"},
  };
  for (const Shown& row : values) EXPECT_EQ(NumberValueText(*row.layout, row.value), row.text) << row.value;

  struct Focus { const NumberLayout* layout; const char *text, *gained, *lost; };
  const Focus focus[] = {
      {&kFree, "  12.5  ", "12.5", "12.500"},
      {&kFree, "1234567890123", "0.000", "99999999.999"},
      {&kFree, "n/a", "n/a", "0.000"},
      {&kMetres, "7", "7", "7.000 m"},
      {&kMetres, "12345678.123 m", "12345678.123 m", "12345678.123 m"},
  };
  for (const Focus& row : focus) {
    EXPECT_EQ(NumberTextOnFocusGain(*row.layout, row.text), row.gained) << row.text;
    EXPECT_EQ(NumberValueText(*row.layout, NumberTextValue(row.text)), row.lost) << row.text;
  }
}

}  // namespace
