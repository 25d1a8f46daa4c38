// The CSV File button: what it writes, read back with a strict RFC 4180
// reader, and what it leaves behind when the user cancels or the
// folder cannot be written.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "ExportDialog.h"
#include "support/CsvRecords.h"
#include "support/TestMachine.h"

namespace {

using namespace export_test;
using platform::ui::ScopedAutomation;
using testing_support::TestMachine;
using Records = testing_support::CsvRecords;
using testing_support::ReadCsv;

class CsvButtonTest : public testing::Test {
 protected:
  // Presses CSV File with the hook answering `path`, or with no hook.
  void Export(const std::vector<Column>& columns, const Records& rows, const std::optional<std::string>& path) {
    ExportDialog dialog;
    dialog.Open(columns, rows);
    ScopedAutomation automation(path ? SaveAs(*path, asked) : nullptr);
    dialog.Press(kCsv);
  }
  std::vector<std::string> Entries(std::string_view folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(machine.Host(folder)))
      names.push_back(entry.path().filename().string());
    return names;
  }

  TestMachine machine;
  Asked asked;
};

TEST_F(CsvButtonTest, EveryCellComesBackAsTheListShowsIt) {
  const std::vector<Column> columns = {{"Name", 120}, {"Position\n(WGS 84)", 140}, {"Depth \r\n m ", 40}};
  // Windows-1252 as the list holds it: the degree sign is 0xB0, the
  // guillemets 0xAB and 0xBB.
  const Records rows = {
      {"Mary, Queen", "51\xB0 30' N", "12"},
      {"The \"Quiet\" One", "line one\nline two", ""},
      {"\xABLe Havre\xBB", "a\r\nb", "\"\""},
      {"  spaced  ", ",", "\""},
  };
  Export(columns, rows, "C:\\wrecks.csv");

  const std::optional<std::string> written = machine.Read("C:\\wrecks.csv");
  ASSERT_TRUE(written);
  const std::optional<Records> read = ReadCsv(*written);
  ASSERT_TRUE(read) << *written;
  const Records expected = {
      {"Name", "Position (WGS 84)", "Depth m"},
      {"Mary, Queen", "51\xC2\xB0 30' N", "12"},
      {"The \"Quiet\" One", "line one\nline two", ""},
      {"\xC2\xABLe Havre\xC2\xBB", "a\r\nb", "\"\""},
      {"  spaced  ", ",", "\""},
  };
  EXPECT_EQ(*read, expected);
  EXPECT_EQ(CListCtrlBtn::LastProblem(), "");
  EXPECT_EQ(asked.caption, "Save List As CSV");
  EXPECT_EQ(asked.offeredName, "Wrecks Found.csv");
}

TEST_F(CsvButtonTest, AFileIsReplacedWholeOrNotAtAll) {
  // /sys refuses new files even to root, which tests may run as.
  machine.Mount("C:\\Locked", "/sys");
  struct Case {
    std::optional<std::string> answer;  // none: no hook; empty: the user cancels
    bool problem;
    std::string_view contents;
  };
  const Case cases[] = {
      {std::nullopt, false, "old and longer"},
      {"", false, "old and longer"},
      {"C:\\Locked\\wrecks.csv", true, "old and longer"},
      {"C:\\Out\\wrecks.csv", false, "Name\r\nMary\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(no hook)"));
    machine.Write("C:\\Out\\wrecks.csv", "old and longer");
    Export({{"Name", 100}}, {{"Mary"}}, c.answer);
    EXPECT_EQ(CListCtrlBtn::LastProblem().empty(), !c.problem) << CListCtrlBtn::LastProblem();
    EXPECT_EQ(machine.Read("C:\\Out\\wrecks.csv"), c.contents);
    EXPECT_FALSE(std::filesystem::exists("/sys/wrecks.csv"));
    EXPECT_EQ(Entries("C:\\Out"), std::vector<std::string>{"wrecks.csv"});
  }
}

}  // namespace
