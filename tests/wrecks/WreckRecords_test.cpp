#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "wrecks/CountryTable.h"
#include "wrecks/DateText.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckRecord.h"

#if defined(__SANITIZE_ADDRESS__)
#define OVERLAYS_LEAKS_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OVERLAYS_LEAKS_CHECKED 1
#endif
#endif

#ifdef OVERLAYS_LEAKS_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

namespace {

TEST(DateText, YearMonthAndDayForms) {
  struct Case {
    long long number;
    const char* text;
    int year;
  } cases[] = {
      {0, "", 0},
      {999, "", 0},
      {1917, "1917", 1917},
      {191705, "May 1917", 1917},
      {19170512, "12 May 1917", 1917},
      {19170501, "01 May 1917", 1917},
      {18991231, "", 1899},  // before 1900: the year counts, the text does not
      {191713, "", 1917},    // month 13
      {19170532, "", 1917},  // day 32
      {20240229, "29 Feb 2024", 2024},
      {1917051, "May 1917", 1917},  // seven digits: a month but no day
      {20011203, "03 Dec 2001", 2001},  // English month names whatever the locale
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    const auto result = DateText(c.number);
    EXPECT_EQ(result.text, c.text);
    EXPECT_EQ(result.year, c.year);
    EXPECT_EQ(DateYear(c.number), c.year);
  }
}

TEST(WreckRecord, ResetGivesZerosAndTheThreeNoneOrientations) {
  WreckDef record;
  std::memset(&record.data, 0x5A, sizeof record.data);
  record.texts.Set(WreckText::Name, "x");
  record.outline.Add({1, 2});
  record.bearing = 12;
  record.sunkYear = 1917;
  ResetWreckRecord(record);
  EXPECT_EQ(record.data.wreckId, 0u);
  EXPECT_EQ(record.data.latitude, 0.0);
  EXPECT_EQ(record.data.amended, 0u);
  EXPECT_EQ(record.data.sonarOrientation, -1);
  EXPECT_EQ(record.data.scourOrientation, -1);
  EXPECT_EQ(record.data.debrisOrientation, -1.0f);
  EXPECT_EQ(record.data.nationality[0], 0);
  EXPECT_TRUE(record.Name().empty());
  EXPECT_TRUE(record.outline.IsEmpty());
  EXPECT_EQ(record.bearing, 0.0);
  EXPECT_EQ(record.sunkYear, 0);
  // Padding keeps what was there.
  EXPECT_EQ(record.data.padding10[0], 0x5A);
  EXPECT_EQ(record.data.padding154[1], 0x5A);
}

// Setting one text, to longer or to nothing, leaves the others in place.
TEST(WreckTexts, EachTextKeepsItsPlace) {
  WreckDef record;
  record.texts.Assign({"Name", "", "History\r\nline two", "Survey", "Comment"});
  record.texts.Set(WreckText::ChartingSymbol, "Wk");
  record.texts.Set(WreckText::Comment, "");
  std::array<std::string_view, kWreckTextCount> texts;
  for (std::size_t i = 0; i < kWreckTextCount; ++i) texts[i] = record.texts.Get(WreckText(i));
  EXPECT_EQ(texts, (decltype(texts){"Name", "Wk", "History\r\nline two", "Survey", ""}));
}

TEST(WreckTexts, CopiesAreTheirOwnAndMovesLeaveNothingBehind) {
  WreckDef record;
  record.texts.Assign({"Name", "Wk", "History", "", "Comment"});
  WreckDef copy = record;
  record.texts.Set(WreckText::Name, "Changed");
  EXPECT_EQ(copy.Name(), "Name");
  EXPECT_EQ(copy.Comment(), "Comment");
  WreckDef moved = std::move(copy);
  EXPECT_EQ(moved.History(), "History");
  EXPECT_TRUE(copy.Name().empty());
  // A record given its own texts back, in another order.
  moved.texts.Assign({moved.Comment(), moved.Name(), moved.History(), moved.Name(), ""});
  EXPECT_EQ(moved.Name(), "Comment");
  EXPECT_EQ(moved.Survey(), "Name");
  moved.texts.Set(WreckText::Comment, moved.History());
  EXPECT_EQ(moved.Comment(), "History");
}

TEST(WreckDef, RecordsComeAndGoThroughPlainNewAndDelete) {
  std::vector<WreckDef*> records;
  for (int i = 0; i < 1000; ++i) {
    records.push_back(new WreckDef);
    records.back()->texts.Set(WreckText::Name, "Record " + std::to_string(i));
  }
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(records[i]->Name(), "Record " + std::to_string(i));
  for (WreckDef* r : records) delete r;
  std::unique_ptr<WreckDef> nothrow(new (std::nothrow) WreckDef);
  ASSERT_NE(nothrow, nullptr);
  EXPECT_EQ(nothrow->data.wreckId, 0u);
}

#ifdef OVERLAYS_LEAKS_CHECKED
// The address-sanitized build must see what happens to every record, as it
// sees any heap object: a pool would hide both of these.
TEST(WreckDef, ALeakedRecordIsSeenByTheLeakChecker) {
  // Kept scrambled, so that the checker's scan finds no pointer to the
  // record, and unscrambled afterwards, so that the run still ends clean.
  constexpr std::uintptr_t kScramble = 0x5A5A5A5A5A5A5A5A;
  static std::uintptr_t hidden = 0;
  [] [[gnu::noinline]] {
    auto* record = new WreckDef;
    record->texts.Set(WreckText::Name, "Forgotten");
    hidden = reinterpret_cast<std::uintptr_t>(record) ^ kScramble;
  }();
  EXPECT_NE(__lsan_do_recoverable_leak_check(), 0);
  delete reinterpret_cast<WreckDef*>(hidden ^ kScramble);
}

TEST(WreckDefDeathTest, ARecordUsedAfterItIsDeletedIsCaught) {
  EXPECT_DEATH(
      {
        auto* record = new WreckDef;
        auto* bytes = reinterpret_cast<volatile char*>(record);
        delete record;
        bytes[0] = 1;
      },
      "heap-use-after-free");
}
#endif

TEST(WreckList, CountsFollowTheWreckCategoryAndEmptyingNeverDeletes) {
  WreckDef wreck, obstruction;
  ResetWreckRecord(wreck);
  ResetWreckRecord(obstruction);
  wreck.data.wreckCategory = 2;
  obstruction.data.obstructionCategory = 3;  // a diffuser
  CWreckList list;
  list.Add(&wreck);
  list.Add(&obstruction);
  list.Add(&wreck);
  EXPECT_EQ(list.GetSize(), 3u);
  EXPECT_EQ(list.wreckCount, 2);
  EXPECT_EQ(list.obstructionCount, 1);
  EXPECT_EQ(list.GetAt(1), &obstruction);
  list.earliestYear = 1900;
  list.RemoveAll();
  EXPECT_EQ(list.GetSize(), 0u);
  EXPECT_EQ(list.wreckCount + list.obstructionCount, 0);
  EXPECT_EQ(list.earliestYear, 1900);  // only the records and counts go
  EXPECT_EQ(wreck.data.wreckCategory, 2);
}

TEST(CountryTable, NationalityCases) {
  struct Case {
    const char* code;
    const char* name;
    int flag;
  } cases[] = {
      {"GB", "United Kingdom", 1},
      {"gb", "United Kingdom", 1},
      {"GBR", "United Kingdom", 1},
      {"RU", "Russian Federation", 0},  // no flag carries that name
      {"NO", "Norway", 12},
      {"US", "United States of America", 43},
      {"CI", "C\xF4te d\x92Ivoire", 0},
      {"", "", 0},
      {"G", "", 0},
      {"ZZ", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(CountryNameFromCode(c.code), c.name);
    EXPECT_EQ(FlagIndexFromCode(c.code), c.flag);
  }
}

TEST(CountryTable, FlagNamesIgnoreCaseAndNeverMatchUnknown) {
  EXPECT_EQ(FlagIndexFromName("GENOA"), 96);
  EXPECT_EQ(FlagIndexFromName("swizerland"), 84);
  EXPECT_EQ(FlagIndexFromName("Unknown"), 0);
  EXPECT_EQ(FlagIndexFromName(""), 0);
}

}  // namespace
