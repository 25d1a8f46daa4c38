#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <tuple>

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
  const std::tuple<long long, const char*, int> cases[] = {
      {0, "", 0},
      {1917, "1917", 1917},
      {191705, "May 1917", 1917},
      {19170512, "12 May 1917", 1917},
      {19170501, "01 May 1917", 1917},
      {18991231, "", 1899},  // before 1900: the year counts, the text does not
      {191713, "", 1917},    // month 13
      {19170532, "", 1917},  // day 32
      {1917051, "May 1917", 1917},  // seven digits: a month but no day
  };
  for (const auto& [number, text, year] : cases) {
    const auto result = DateText(number);
    EXPECT_EQ(result.text, text) << number;
    EXPECT_EQ(result.year, year) << number;
    EXPECT_EQ(DateYear(number), year) << number;
  }
}

// Setting one text, to longer, to nothing or to another of the record's own
// texts, leaves the others in place; copies are their own, moves leave
// nothing behind.
TEST(WreckTexts, EachTextKeepsItsPlaceThroughSetsCopiesAndMoves) {
  WreckDef record;
  record.texts.Assign({"Name", "", "History\r\nline two", "Survey", "Comment"});
  record.texts.Set(WreckText::ChartingSymbol, "Wk");
  WreckDef copy = record;
  record.texts.Set(WreckText::Comment, "");
  std::array<std::string_view, kWreckTextCount> texts;
  for (std::size_t i = 0; i < kWreckTextCount; ++i) texts[i] = record.texts.Get(WreckText(i));
  EXPECT_EQ(texts, (decltype(texts){"Name", "Wk", "History\r\nline two", "Survey", ""}));
  EXPECT_EQ(copy.Comment(), "Comment");
  WreckDef moved = std::move(copy);
  EXPECT_TRUE(copy.Name().empty());
  moved.texts.Assign({moved.Comment(), moved.Name(), moved.History(), moved.Name(), ""});
  EXPECT_EQ(moved.Name(), "Comment");
  EXPECT_EQ(moved.Survey(), "Name");
  moved.texts.Set(WreckText::Comment, moved.History());
  EXPECT_EQ(moved.Comment(), "History\r\nline two");
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

// Emptying forgets the records and their counts but deletes nothing: the
// records belong to whoever filled the list.
TEST(WreckList, EmptyingNeverDeletes) {
  WreckDef wreck;
  wreck.data.wreckCategory = 2;
  CWreckList list;
  list.Add(&wreck);
  list.earliestYear = 1900;
  list.RemoveAll();
  EXPECT_EQ(list.GetSize(), 0u);
  EXPECT_EQ(list.wreckCount + list.obstructionCount, 0);
  EXPECT_EQ(list.earliestYear, 1900);
  EXPECT_EQ(wreck.data.wreckCategory, 2);
}

TEST(CountryTable, NationalityCases) {
  const std::tuple<const char*, const char*, int> cases[] = {
      {"GB", "United Kingdom", 1},
      {"gb", "United Kingdom", 1},
      {"GBR", "United Kingdom", 1},
      {"RU", "Russian Federation", 0},  // no flag carries that name
      {"NO", "Norway", 12},
      {"CI", "C\xF4te d\x92Ivoire", 0},
      {"G", "", 0},
      {"ZZ", "", 0},
  };
  for (const auto& [code, name, flag] : cases) {
    EXPECT_EQ(CountryNameFromCode(code), name) << code;
    EXPECT_EQ(FlagIndexFromCode(code), flag) << code;
  }
}

TEST(CountryTable, FlagNamesIgnoreCaseAndNeverMatchUnknown) {
  EXPECT_EQ(FlagIndexFromName("GENOA"), 96);
  EXPECT_EQ(FlagIndexFromName("swizerland"), 84);
  EXPECT_EQ(FlagIndexFromName("Unknown"), 0);
  EXPECT_EQ(FlagIndexFromName(""), 0);
}

}  // namespace
