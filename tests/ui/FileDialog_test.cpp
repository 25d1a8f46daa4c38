// The save-file and open-file dialogs: how a typed name becomes a path,
// which names keep them open, the overwrite prompt, and the end when nobody
// answers.

#include <gtest/gtest.h>

#include "platform/ui/Automation.h"
#include "platform/ui/FileDialog.h"
#include "support/TestMachine.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using testing_support::TestMachine;

struct Outcome {
  int result = -1;
  std::string path;     // after Save
  std::string problem;  // the dialog's problem line when Save left it open
  int prompts = 0;      // overwrite prompts shown
};

// Types `typed` and presses Save; answers an overwrite prompt with
// `replace`; ends the dialog with Cancel if it is still open.
Outcome SaveAs(std::string_view typed, bool replace = true, DWORD flags = OFN_OVERWRITEPROMPT,
               FileDialogMode mode = FileDialogMode::Save) {
  Outcome outcome;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    if (d.TemplateId() == platform::ui::kConfirmReplaceDialog) {
      ++outcome.prompts;
      d.Click(replace ? IDOK : IDCANCEL);
      return;
    }
    d.SaveAs(typed);
    if (d.Dialog().IsEnded()) return;
    outcome.problem = d.Text(platform::ui::kFileProblemText);
    d.End(IDCANCEL);
  });
  CFileDialog dialog(mode, "*.csv", "List.csv", flags, "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||");
  outcome.result = static_cast<int>(dialog.DoModal());
  outcome.path = dialog.GetPathName();
  return outcome;
}

class FileDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    machine.Write("C:\\Out\\Old.csv", "old");
    machine.Edit([](platform::fs::Platform& p) { p.currentDirectory = "C:\\Out"; });
  }
  TestMachine machine;
};

TEST_F(FileDialogTest, TypedNamesBecomeFullPathsOrKeepTheDialogOpen) {
  // The path is empty when Save is refused; the problem is the start of the reason given.
  struct Case { std::string_view typed, path, problem; };
  const std::string tooLong(300, 'w');
  const Case cases[] = {
      {tooLong, "", "The path is not valid."},
      {"Wrecks", "C:\\Out\\Wrecks.csv", ""},  // default extension added
      {"Wrecks.txt", "C:\\Out\\Wrecks.txt", ""},
      {"c:/out/./Sub/../Wrecks.csv", "C:\\out\\Wrecks.csv", ""},  // both dot segments
      {"C:\\Out\\", "", "Type a file name."},
      {"Wre*cks", "", "The file name is not valid"},
      {"C:\\Missing\\Wrecks.csv", "", "The folder C:\\Missing\\ does not exist."},
      {"Q:\\Wrecks.csv", "", "The folder Q:\\ does not exist."},
      {"C:\\Out.csv", "", "C:\\Out.csv is a folder."},
  };
  machine.Write("C:\\Out.csv\\inside", "");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const Outcome outcome = SaveAs(c.typed);
    EXPECT_EQ(outcome.result, c.path.empty() ? IDCANCEL : IDOK);
    EXPECT_EQ(outcome.path, c.path);
    EXPECT_EQ(outcome.problem.substr(0, c.problem.size()), c.problem);
  }
}

TEST_F(FileDialogTest, AnExistingFileIsReplacedOnlyWhenTheUserSaysYes) {
  struct Case { DWORD flags; bool replace; int result, prompts; };
  const Case cases[] = {
      {OFN_OVERWRITEPROMPT, true, IDOK, 1},
      {OFN_OVERWRITEPROMPT, false, IDCANCEL, 1},
      {0, false, IDOK, 0},
  };
  for (const Case& c : cases) {
    const Outcome outcome = SaveAs("old", c.replace, c.flags);
    EXPECT_EQ(std::pair(outcome.result, outcome.prompts), std::pair(c.result, c.prompts)) << c.flags;
  }
}

// Open takes only an existing file, and never asks to replace it.
TEST_F(FileDialogTest, OpenTakesOnlyAnExistingFile) {
  struct Case { std::string_view typed, path, problem; };
  const Case cases[] = {
      {"old", "C:\\Out\\old.csv", ""},  // default extension added
      {"New.csv", "", "C:\\Out\\New.csv was not found."},
      {"C:\\Missing\\Old.csv", "", "The folder C:\\Missing\\ does not exist."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const Outcome outcome = SaveAs(c.typed, false, OFN_OVERWRITEPROMPT, FileDialogMode::Open);
    EXPECT_EQ(std::pair(outcome.result, outcome.prompts), std::pair(c.path.empty() ? IDCANCEL : IDOK, 0));
    EXPECT_EQ(outcome.path, c.path);
    EXPECT_EQ(outcome.problem, c.problem);
  }
}

// Headless, without a hook, it is cancelled.
TEST_F(FileDialogTest, OffersItsTitleNameAndFileTypes) {
  CFileDialog dialog("pdf", "Wrecks.pdf", OFN_OVERWRITEPROMPT, "PDF (*.pdf)|*.pdf|All Files (*.*)|*.*||");
  dialog.SetTitle("Save Printout As");
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.GetPathName(), "");
  int offers = 0;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    ++offers;
    EXPECT_EQ(d.Caption(), "Save Printout As");
    EXPECT_EQ(d.Text(platform::ui::kFileNameField), "Wrecks.pdf");
    EXPECT_EQ(d.Rows(platform::ui::kFileTypeList), (std::vector<std::string>{"PDF (*.pdf)", "All Files (*.*)"}));
    d.End(IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(offers, 1);
}

}  // namespace
