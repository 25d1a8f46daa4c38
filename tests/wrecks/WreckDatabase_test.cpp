#include "wrecks/WreckDatabase.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "SampleWrecks.h"
#include "WreckDatabaseWriter.h"
#include "platform/fs/FileSystem.h"
#include "support/TestMachine.h"
#include "wrecks/WreckList.h"

namespace {

using testing_support::TestMachine;

// A generated record (texts with line breaks and bytes past 127) with an
// outline of `points` points; odd ids are wrecks, even ones obstructions.
WreckDef SampleRecord(std::uint32_t id, std::size_t points) {
  WreckDef r = tools::SampleWreckGenerator(id).Next();
  r.data.wreckId = id;
  r.data.wreckCategory = static_cast<std::int16_t>(id % 2 ? 2 : 0);
  r.outline.RemoveAll();
  for (std::size_t i = 0; i < points; ++i) r.outline.Add({i * 1.0, -double(i)});
  return r;
}

CWreckFileReader ReaderOf(TestMachine& machine, const std::string& bytes,
                          std::size_t bufferBytes = CWreckFileReader::kDefaultBufferBytes) {
  machine.Write("C:\\db.WRK", bytes);
  return CWreckFileReader(platform::fs::OpenFile("C:\\db.WRK", "rb"), bufferBytes);
}

// Buffers smaller than a record make every piece cross a refill; one byte
// makes every piece larger than the buffer.
constexpr std::size_t kBufferSizes[] = {1, 7, 64, CWreckFileReader::kDefaultBufferBytes};

TEST(WreckDatabase, RecordsRoundTripThroughTheWriter) {
  TestMachine machine;
  std::string bytes;
  std::vector<WreckDef> written;
  for (std::size_t points : {0u, 1u, 255u, 3u}) {
    written.push_back(SampleRecord(static_cast<std::uint32_t>(written.size() + 1), points));
    tools::AppendWreckRecord(bytes, written.back());
  }
  // The nationality is complemented on disk.
  EXPECT_EQ(static_cast<unsigned char>(bytes[66]), static_cast<unsigned char>(~written[0].data.nationality[0]));
  // The writer is the reader's exact inverse: what is read writes back the
  // same bytes, every field and text included.
  for (std::size_t bufferBytes : kBufferSizes) {
    SCOPED_TRACE(bufferBytes);
    auto reader = ReaderOf(machine, bytes, bufferBytes);
    std::string again;
    for (WreckDef read; ReadWreckRecord(reader, read);) tools::AppendWreckRecord(again, read);
    EXPECT_EQ(again, bytes);
    EXPECT_EQ(reader.Remaining(), 0u);
  }
}

// Texts are decoded eight bytes at a time: a zero in any place of a word,
// in texts of every length around the word size, ends the text there. A
// huge length at the end (about 2 GiB claimed) is skipped, never allocated.
TEST(WreckDatabase, ADecodedZeroEndsTheTextWhereverItFallsAndAHugeLengthIsSkipped) {
  TestMachine machine;
  std::string bytes;
  std::vector<std::string> expected = {"", "\xFF\x01 bytes of every kind \x80"};
  for (const auto& text : expected) tools::AppendStoredString(bytes, text);
  for (std::size_t length = 1; length <= 20; ++length) {
    for (std::size_t zeroAt = 0; zeroAt <= length; ++zeroAt) {
      std::string text(length, 'a');
      for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i);
      if (zeroAt < length) text[zeroAt] = '\0';
      tools::AppendStoredString(bytes, text);
      expected.push_back(text.substr(0, zeroAt));
    }
  }
  bytes += "\xF0\xFF\xFF\x7F rest of the file";
  expected.push_back("");
  auto reader = ReaderOf(machine, bytes);
  for (const auto& text : expected) ASSERT_EQ(ReadStoredString(reader), text);
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_EQ(ReadStoredString(reader), "");
}

// Cutting the file anywhere (an empty file too) never crashes: records before the cut are read
// whole, the record the cut falls in is read as far as it goes when its
// fixed block is complete, and nothing comes after.
TEST(WreckDatabase, CutAtEveryByteOffset) {
  TestMachine machine;
  std::string bytes;
  std::vector<std::size_t> ends;
  for (std::uint32_t id = 1; id <= 3; ++id) {
    tools::AppendWreckRecord(bytes, SampleRecord(id, id));
    ends.push_back(bytes.size());
  }
  for (std::size_t bufferBytes : kBufferSizes) {
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
      auto reader = ReaderOf(machine, bytes.substr(0, cut), bufferBytes);
      std::size_t whole = 0;
      while (whole < ends.size() && ends[whole] <= cut) ++whole;
      const std::size_t start = whole == 0 ? 0 : ends[whole - 1];
      const bool partial = whole < ends.size() && cut - start >= sizeof(WreckDataDef);
      std::size_t read = 0;
      WreckDef record;
      while (ReadWreckRecord(reader, record)) {
        if (read < whole) {
          EXPECT_EQ(record.data.wreckId, read + 1) << "cut " << cut;
        }
        ++read;
      }
      ASSERT_EQ(read, whole + (partial ? 1 : 0)) << "cut " << cut << ", buffer " << bufferBytes;
    }
  }
}

TEST(DatabaseDate, TitlesAndTheirMonthAndYear) {
  // The title, whether it is a database's, and the month and year read.
  const std::tuple<const char*, bool, int, int> cases[] = {
      {"Wrecks Jan 2024", true, 1, 2024},
      {"WRECKS DEC 2023", true, 12, 2023},
      {"wrecks sep 2100", true, 9, 2100},
      {"Wrecks Jan 2015", false, 1, 2015},
      {"Wrecks Jan 2101", false, 1, 2101},
      {"Wrecks January 2024", false, 0, 0},
      // January is tried before February, whatever the order in the title.
      {"Wrecks FEB 2030 and JAN 2024", true, 1, 2024},
  };
  for (const auto& [title, ok, expectedMonth, expectedYear] : cases) {
    int month = 0, year = 0;
    EXPECT_EQ(ParseDatabaseDate(title, month, year), ok) << title;
    EXPECT_EQ(std::pair(month, year), std::pair(expectedMonth, expectedYear)) << title;
  }
}

// Files that are no database, or older, lose; of two of the same month the
// first the search returns wins.
TEST(DatabaseDate, TheNewestDatabaseWins) {
  TestMachine machine;
  for (const char* name : {"Wrecks Dec 2023.WRK", "B Jan 2024.wrk", "A Jan 2024.WRK", "Wrecks Jan 2015.WRK",
                           "notes.WRK", "Wrecks Feb 2024.txt"})
    machine.Write(std::string("C:\\MyData\\Wrecks\\") + name, "");
  std::string path;
  ASSERT_TRUE(FindLatestDatabase("C:\\MyData\\Wrecks\\", kWreckDatabaseExtension, path));
  EXPECT_EQ(path, "C:\\MyData\\Wrecks\\A Jan 2024.WRK");
  EXPECT_FALSE(FindLatestDatabase("C:\\Nothing\\", kWreckDatabaseExtension, path));
  EXPECT_EQ(path, "");
}

TEST(ReadWreckDatabase, FillsTheListAndNotesTheEarliestSunkYear) {
  TestMachine machine;
  std::string bytes;
  const std::uint32_t sunk[] = {0, 19170512, 1850, 200001, 0};
  for (std::uint32_t i = 0; i < std::size(sunk); ++i) {
    WreckDef r = SampleRecord(i + 1, 0);
    r.data.sunk = sunk[i];
    tools::AppendWreckRecord(bytes, r);
  }
  machine.Write("C:\\MyData\\Wrecks\\Wrecks Jan 2026.WRK", bytes);
  CWreckList list;
  ASSERT_TRUE(ReadWreckDatabase("C:\\MyData\\Wrecks\\Wrecks Jan 2026.WRK", list));
  EXPECT_EQ(list.databaseTitle, "Wrecks Jan 2026");
  ASSERT_EQ(list.GetSize(), 5u);
  EXPECT_EQ(list.wreckCount, 3);  // odd ids are wrecks
  EXPECT_EQ(list.obstructionCount, 2);
  EXPECT_EQ(list.earliestYear, 1850);
  EXPECT_EQ(list.GetAt(1)->sunkYear, 1917);
  EXPECT_EQ(list.GetAt(0)->sunkYear, 0);
  for (WreckDef* r : list.records) delete r;
  EXPECT_FALSE(ReadWreckDatabase("C:\\none.WRK", list));
}

}  // namespace
