// The wreck database loads on a worker thread behind the modal loading
// dialog, which closes when the thread's end message arrives.

#include <gtest/gtest.h>

#include "SampleWrecks.h"
#include "frame/Exports.h"
#include "frame/MessageNames.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Toolkit.h"
#include "support/TestMachine.h"
#include "wrecks/WreckList.h"
#include "wrecks/WreckSettings.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;
using testing_support::TestMachine;

const UINT UM_END_THREAD = RegisterWindowMessage(messages::kEndThread);

struct Lists {
  CWreckList wrecks, search;
  ~Lists() {
    for (WreckDef* w : wrecks.records) delete w;
  }
};

// How the loading dialog went: how often it opened, and the result it was
// ended with by handling the thread's end message (0 when something else
// ended it, as a loop that gives up does with Cancel).
struct Seen {
  int opened = 0;
  int endedByEndThread = 0;
};

Seen LoadWithDialog(Lists& lists) {
  Seen seen;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() == ModalTurn::Started) ++seen.opened;
  });
  platform::ui::SetDispatchObserver([&](CWnd& window, const MSG& msg) {
    auto* dialog = dynamic_cast<CDialog*>(&window);
    if (msg.message == UM_END_THREAD && dialog && dialog->IsEnded()) seen.endedByEndThread = dialog->Result();
  });
  LoadingWrecks(&lists.wrecks, &lists.search);
  platform::ui::SetDispatchObserver(nullptr);
  return seen;
}

TEST(LoadingWrecks, TheDialogClosesOnTheThreadsEndMessageWithTheNewestDatabaseRead) {
  // Databases (title and record count) in the wrecks folder; the last is the newest.
  using Databases = std::vector<std::pair<std::string, std::size_t>>;
  const Databases rows[] = {{}, {{"Sample Wrecks Jan 2026", 200}}, {{"Wrecks Dec 2023", 3}, {"Wrecks Jan 2024", 7}}};
  for (const Databases& databases : rows) {
    SCOPED_TRACE(databases.size());
    TestMachine machine;
    std::uint64_t seed = 1;
    for (const auto& [title, count] : databases)
      machine.Write("C:\\MyData\\Wrecks\\" + title + ".WRK", tools::SampleWreckDatabase(seed++, count));
    const std::size_t records = databases.empty() ? 0 : databases.back().second;
    Lists lists;
    const Seen seen = LoadWithDialog(lists);
    EXPECT_EQ(seen.opened, 1);
    EXPECT_EQ(seen.endedByEndThread, IDOK);
    EXPECT_EQ(lists.wrecks.GetSize(), records);
    EXPECT_EQ(lists.wrecks.wreckCount + lists.wrecks.obstructionCount, static_cast<int>(records));
    EXPECT_EQ(lists.wrecks.databaseTitle, databases.empty() ? "" : databases.back().first);
    EXPECT_EQ(lists.wrecks.earliestYear > 0, records > 0);
    EXPECT_FALSE(lists.wrecks.loading);
    // The search settings were read (none stored: the defaults).
    EXPECT_EQ(lists.search.centreLatitude, kDefaultSearchLatitude);
  }
}

TEST(LoadingWrecks, AFilledListIsNotReadAgainButTheSettingsAre) {
  TestMachine machine;
  machine.Write("C:\\MyData\\Wrecks\\Sample Wrecks Jan 2026.WRK", tools::SampleWreckDatabase(1, 20));
  Lists lists;
  LoadWithDialog(lists);
  ASSERT_EQ(lists.wrecks.GetSize(), 20u);
  machine.Write("C:\\MySettings\\Host\\WreckList.INI", "Search Method = 3\n");
  const Seen again = LoadWithDialog(lists);
  EXPECT_EQ(again.opened, 1);
  EXPECT_EQ(again.endedByEndThread, IDOK);
  EXPECT_EQ(lists.wrecks.GetSize(), 20u);
  EXPECT_EQ(lists.search.searchMethod, 3);
}

}  // namespace
