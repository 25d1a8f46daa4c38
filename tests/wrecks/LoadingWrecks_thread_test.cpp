// The wreck database loads on a worker thread behind the modal loading
// dialog, which closes when the thread's end message arrives.

#include <gtest/gtest.h>

#include "SampleWrecks.h"
#include "frame/Exports.h"
#include "platform/ui/Automation.h"
#include "support/TestMachine.h"
#include "wrecks/LoadingWrecks.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckResources.h"
#include "wrecks/WreckSettings.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using testing_support::TestMachine;

constexpr char kDatabase[] = "C:\\MyData\\Wrecks\\Sample Wrecks Jan 2026.WRK";

struct Lists {
  CWreckList wrecks, search;
  ~Lists() {
    for (WreckDef* w : wrecks.records) delete w;
  }
};

// What the loading dialog showed while it was open.
struct Seen {
  int opened = 0;
  std::string caption, loading, wait;
};

Seen LoadWithDialog(Lists& lists) {
  Seen seen;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    ++seen.opened;
    seen.caption = d.Caption();
    seen.loading = d.Text(IDC_LOADING_TEXT);
    seen.wait = d.Text(IDC_PLEASE_WAIT);
  });
  LoadingWrecks(&lists.wrecks, &lists.search);
  return seen;
}

TEST(LoadingWrecks, TheDialogClosesWhenTheThreadHasReadTheDatabase) {
  TestMachine machine;
  machine.Write(kDatabase, tools::SampleWreckDatabase(1, 200));
  Lists lists;
  const Seen seen = LoadWithDialog(lists);
  EXPECT_EQ(seen.opened, 1);
  EXPECT_EQ(seen.caption, "Wrecks");
  EXPECT_EQ(seen.loading, "Loading Wrecks and Obstructions");
  EXPECT_EQ(seen.wait, "Please Wait .....");
  EXPECT_EQ(lists.wrecks.GetSize(), 200u);
  EXPECT_EQ(lists.wrecks.wreckCount + lists.wrecks.obstructionCount, 200);
  EXPECT_EQ(lists.wrecks.databaseTitle, "Sample Wrecks Jan 2026");
  EXPECT_GT(lists.wrecks.earliestYear, 0);
  EXPECT_FALSE(lists.wrecks.loading);
  // The search settings were read (none stored: the defaults).
  EXPECT_EQ(lists.search.centreLatitude, kDefaultSearchLatitude);
  EXPECT_TRUE(lists.search.showWrecks);
  EXPECT_EQ(lists.search.GetSize(), 0u);
}

TEST(LoadingWrecks, AFilledListIsNotReadAgainButTheSettingsAre) {
  TestMachine machine;
  machine.Write(kDatabase, tools::SampleWreckDatabase(1, 20));
  Lists lists;
  LoadWithDialog(lists);
  ASSERT_EQ(lists.wrecks.GetSize(), 20u);
  machine.Write("C:\\MySettings\\Host\\WreckList.INI", "Search Method = 3\n");
  const Seen again = LoadWithDialog(lists);
  EXPECT_EQ(again.opened, 1);
  EXPECT_EQ(lists.wrecks.GetSize(), 20u);
  EXPECT_EQ(lists.search.searchMethod, 3);
}

TEST(LoadingWrecks, NoDatabaseLeavesTheListEmptyAndTheDialogStillCloses) {
  TestMachine machine;
  Lists lists;
  const Seen seen = LoadWithDialog(lists);
  EXPECT_EQ(seen.opened, 1);
  EXPECT_EQ(lists.wrecks.GetSize(), 0u);
  EXPECT_EQ(lists.wrecks.earliestYear, 0);
}

TEST(LoadingWrecks, TheNewestOfTwoDatabasesIsRead) {
  TestMachine machine;
  machine.Write("C:\\MyData\\Wrecks\\Wrecks Dec 2023.WRK", tools::SampleWreckDatabase(1, 3));
  machine.Write("C:\\MyData\\Wrecks\\Wrecks Jan 2024.WRK", tools::SampleWreckDatabase(2, 7));
  Lists lists;
  LoadWithDialog(lists);
  EXPECT_EQ(lists.wrecks.databaseTitle, "Wrecks Jan 2024");
  EXPECT_EQ(lists.wrecks.GetSize(), 7u);
}

TEST(LoadingWrecks, TheTextsUseTheBoldTahomaOf32Units) {
  TestMachine machine;
  Lists lists;
  CLoadingWrecks dialog;
  dialog.SetData(&lists.wrecks, &lists.search);
  LOGFONT font{};
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Started) return;
    dialog.TextFont().GetLogFont(&font);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(font.lfHeight, 32);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(font.lfFaceName, "Tahoma");
  EXPECT_EQ(font.lfQuality, DEFAULT_QUALITY);
}

}  // namespace
