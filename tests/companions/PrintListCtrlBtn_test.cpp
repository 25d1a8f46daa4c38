// The Print button: to the default printer when there is one, else saved
// where the user says; and the system's queue run through stand-ins for
// CUPS's lpstat and lp.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "ExportDialog.h"
#include "PdfText.h"
#include "platform/companions/PrintQueue.h"
#include "support/TestMachine.h"

namespace {

using namespace export_test;
using platform::companions::PrintQueue;
using platform::companions::ScopedPrintQueue;
using platform::ui::ScopedAutomation;
using testing_support::TempFolder;
using testing_support::TestMachine;

struct Job {
  std::string printer;
  std::string pdf;
  std::string title;
};

// A queue whose default printer is `printer` (none when empty) and which
// takes jobs into `jobs`, or refuses them.
PrintQueue FakeQueue(std::string printer, bool accepts, std::vector<Job>& jobs) {
  return {[printer]() -> std::optional<std::string> {
            if (printer.empty()) return std::nullopt;
            return printer;
          },
          [accepts, &jobs](const std::string& to, std::string_view pdf, std::string_view title, std::string& reason) {
            if (!accepts) {
              reason = "The printer refused the job: out of paper";
              return false;
            }
            jobs.push_back({to, std::string(pdf), std::string(title)});
            return true;
          }};
}

TEST(PrintButtonTest, PrintsOnTheDefaultPrinterOrSavesWhereTheUserSays) {
  struct Case {
    std::string printer;
    bool accepts;
    std::string answer;  // to the save-file dialog; empty cancels
    int jobs;
    bool saved;
    std::string_view problem;
  };
  const Case cases[] = {
      {"Office", true, "C:\\Out\\printout.pdf", 1, false, ""},
      {"Office", false, "C:\\Out\\printout.pdf", 0, false, "The printer refused the job: out of paper"},
      {"", true, "C:\\Out\\printout.pdf", 0, true, ""},
      {"", true, "", 0, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.printer + " " + c.answer);
    TestMachine machine;
    machine.Write("C:\\Out\\keep.txt", "");
    std::vector<Job> jobs;
    ScopedPrintQueue queue(FakeQueue(c.printer, c.accepts, jobs));
    Asked asked;
    ScopedAutomation automation(SaveAs(c.answer, asked));
    ExportDialog dialog;
    dialog.Open({{"Name", 100}, {"Position", 120}}, {{"Mary", "50\xB0 N"}});
    dialog.Press(kPrint);

    EXPECT_EQ(CListCtrlBtn::LastProblem(), c.problem);
    EXPECT_EQ(asked.error, c.problem) << "the error box says the same";
    ASSERT_EQ(static_cast<int>(jobs.size()), c.jobs);
    if (c.jobs) {
      EXPECT_EQ(jobs[0].printer, "Office");
      EXPECT_EQ(jobs[0].title, "Wrecks Found");
      EXPECT_EQ(jobs[0].pdf.substr(0, 5), "%PDF-");
    }
    EXPECT_EQ(asked.times, c.printer.empty() ? 1 : 0);
    if (asked.times) {
      EXPECT_EQ(asked.caption, "Save Printout As");
      EXPECT_EQ(asked.offeredName, "Wrecks Found.pdf");
    }
    EXPECT_EQ(machine.Exists("C:\\Out\\printout.pdf"), c.saved);
    if (c.saved) {
      const std::string text = PdfText(machine.Host("C:\\Out\\printout.pdf"));
      EXPECT_NE(text.find("Wrecks Found"), std::string::npos);
      EXPECT_NE(text.find("50° N"), std::string::npos) << text;
    }
  }
}

// Stand-ins for lpstat and lp first on PATH: lpstat answers as CUPS does,
// lp keeps its arguments and the document it was given.
class SystemQueueTest : public testing::Test {
 protected:
  void SetUp() override {
    previousPath_ = std::getenv("PATH");
    setenv("PATH", (tools_.Path().string() + ":" + previousPath_).c_str(), 1);
  }
  void TearDown() override { setenv("PATH", previousPath_.c_str(), 1); }

  void Tool(const std::string& name, const std::string& script) {
    const std::filesystem::path path = tools_.Path() / name;
    std::ofstream(path) << "#!/bin/sh\n" << script;
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  }
  std::filesystem::path Kept(const std::string& name) const { return tools_.Path() / name; }

  TempFolder tools_;
  std::string previousPath_;
};

TEST_F(SystemQueueTest, ReadsTheDefaultPrinterFromLpstat) {
  struct Case {
    std::string answer;
    int status;
    std::optional<std::string> printer;
  };
  const Case cases[] = {
      {"system default destination: Office_Laser\n", 0, "Office_Laser"},
      {"no system default destination\n", 0, std::nullopt},
      {"lpstat: No destinations added.\n", 1, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    Tool("lpstat", "[ \"$*\" = -d ] || exit 9\nprintf '" + c.answer + "'\nexit " + std::to_string(c.status) + "\n");
    EXPECT_EQ(platform::companions::SystemPrintQueue().defaultPrinter(), c.printer);
  }
}

TEST_F(SystemQueueTest, HandsLpTheDocumentAsAFileAndRemovesItAfterwards) {
  Tool("lp", "printf '%s\\n' \"$@\" > '" + Kept("arguments").string() + "'\n" +
                 "for last; do :; done\ncp \"$last\" '" + Kept("printed.pdf").string() + "'\n");
  std::string reason;
  const PrintQueue system = platform::companions::SystemPrintQueue();
  ASSERT_TRUE(system.print("Office", "%PDF-1.3 body", "Wrecks \xB0", reason)) << reason;
  std::ifstream arguments(Kept("arguments"));
  std::vector<std::string> given;
  for (std::string line; std::getline(arguments, line);) given.push_back(line);
  ASSERT_EQ(given.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(given.begin(), given.begin() + 5),
            (std::vector<std::string>{"-d", "Office", "-t", "Wrecks \xC2\xB0", "--"}));
  EXPECT_FALSE(std::filesystem::exists(given[5]));
  std::ifstream printed(Kept("printed.pdf"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(printed), {}), "%PDF-1.3 body");

  Tool("lp", "echo 'lp: The printer or class does not exist.' >&2\nexit 1\n");
  EXPECT_FALSE(system.print("Nowhere", "%PDF", "", reason));
  EXPECT_EQ(reason, "The printer refused the job: lp: The printer or class does not exist.");
}

}  // namespace
