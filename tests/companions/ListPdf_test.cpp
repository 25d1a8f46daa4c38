// The printout renderer, read back with poppler's pdftotext and pdfinfo:
// every row of a long list once and in order under its title, headings and
// page numbers; the page turned for wide lists; long cells cut short.

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "PdfText.h"
#include "SampleListTable.h"
#include "platform/companions/ListPdf.h"
#include "support/TestMachine.h"

namespace {

using namespace export_test;
using platform::companions::ListTable;
using testing_support::TestMachine;

constexpr int kLongList = 10000;

class ListPdfTest : public testing::Test {
 protected:
  // The page text and pdfinfo's host path of the rendered table.
  std::string Render(const ListTable& table) {
    std::string reason;
    EXPECT_TRUE(platform::companions::WriteListPdf(table, "C:\\list.pdf", reason)) << reason;
    return PdfText(Pdf());
  }
  std::filesystem::path Pdf() const { return machine.Host("C:\\list.pdf"); }

  TestMachine machine;
};

TEST_F(ListPdfTest, EveryRowOfALongListOnceInOrderWithTitleHeadingsAndPageNumbers) {
  const std::string text = Render(tools::SampleWreckTable(kLongList));
  const int pages = std::stoi(PdfInfo(Pdf(), "Pages"));
  // About 60 rows fit on a portrait A4 page of 8-point text.
  EXPECT_GT(pages, kLongList / 80);
  EXPECT_LT(pages, kLongList / 40);

  const std::regex row(R"(^\s*(\d+)\s+Wreck (\d+)\s+(\d\d)° (\d\d)\.(\d{3})' N\s*$)");
  const std::regex footer(R"(^\s*Page (\d+) of (\d+)\s*$)");
  std::istringstream lines(text);
  int lastRow = 0, titles = 0, headings = 0, lastPage = 0;
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_match(line, m, row)) {
      ASSERT_EQ(std::stoi(m[1]), lastRow + 1) << line;
      ASSERT_EQ(m[2], m[1]);
      const int r = std::stoi(m[1]);
      EXPECT_EQ(std::stoi(m[3]), 50 + r % 10);
      EXPECT_EQ(std::stoi(m[5]), r % 1000);
      lastRow = r;
    } else if (std::regex_match(line, m, footer)) {
      ASSERT_EQ(std::stoi(m[1]), lastPage + 1);
      ASSERT_EQ(std::stoi(m[2]), pages);
      lastPage = std::stoi(m[1]);
    } else if (line.find("Wrecks Found") != std::string::npos) {
      ++titles;
    } else if (std::regex_search(line, std::regex(R"(No\.\s+Name\s+Position \(WGS 84\))"))) {
      ++headings;
    }
  }
  EXPECT_EQ(lastRow, kLongList);
  EXPECT_EQ(lastPage, pages);
  EXPECT_EQ(titles, pages);
  EXPECT_EQ(headings, pages);
}

TEST_F(ListPdfTest, DegenerateListsStillNumberTheirPages) {
  ListTable untitledHidden = tools::SampleWreckTable(100);
  untitledHidden.title.clear();
  for (auto& column : untitledHidden.columns) column.width = 0;
  struct Case {
    ListTable table;
    std::string_view pages;
    std::string_view lastFooter;
    std::string_view heading;  // shown, or empty
  };
  const Case cases[] = {
      {tools::SampleWreckTable(0), "1", "Page 1 of 1", "Position (WGS 84)"},
      // Every page's text must set its own font, even when its first text
      // is the footer.
      {untitledHidden, "2", "Page 2 of 2", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lastFooter);
    const std::string text = Render(c.table);
    EXPECT_EQ(PdfInfo(Pdf(), "Pages"), c.pages);
    EXPECT_NE(text.find(c.lastFooter), std::string::npos);
    EXPECT_EQ(text.find("Position (WGS 84)") != std::string::npos, !c.heading.empty());
  }
}

TEST_F(ListPdfTest, PageTurnsForWideListsAndLongCellsAreCutShort) {
  const std::string longName = "The Exceedingly Long Name Of A Wreck That Will Never Fit In Its Column";
  struct Case {
    std::vector<int> widths;  // pixels, as in the list
    std::string_view pageSize;  // width first, as pdfinfo gives it
    bool nameCut;
  };
  const Case cases[] = {
      {{60, 600}, "595.276 x 841.89", false},
      {{60, 700}, "841.89 x 595.276", false},  // wider than a portrait page
      {{700, 60}, "841.89 x 595.276", true},
      {{60, 200, 0}, "595.276 x 841.89", false},  // the hidden column is left out
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pageSize);
    ListTable table{"Widths", {}, {{"1", longName, "hidden text"}}};
    for (std::size_t i = 0; i < c.widths.size(); ++i)
      table.columns.push_back({"Column " + std::to_string(i), c.widths[i], false});
    table.rows.front().resize(c.widths.size());
    const std::string text = Render(table);
    EXPECT_EQ(PdfInfo(Pdf(), "Page size").substr(0, c.pageSize.size()), c.pageSize);
    EXPECT_EQ(text.find(longName) == std::string::npos, c.nameCut) << text;
    EXPECT_NE(text.find("The Ex"), std::string::npos);
    EXPECT_EQ(text.find("…") != std::string::npos, c.nameCut);
    EXPECT_EQ(text.find("hidden text"), std::string::npos);
  }
}

}  // namespace
