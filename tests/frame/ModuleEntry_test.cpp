#include "frame/ModuleEntry.h"

#include <gtest/gtest.h>

#include <set>

#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"

namespace {

TEST(ModuleEntry, JoinsTheResourceChainAtLoad) {
  EXPECT_TRUE(module_entry::IsAttached());
  const auto modules = platform::ui::ResourceChain::Modules();
  EXPECT_NE(std::find(modules.begin(), modules.end(), &module_entry::ModuleResources()), modules.end());
}

TEST(ModuleEntry, MessagesAreDistinctRegisteredNumbers) {
  std::set<platform::ui::MessageId> numbers;
  for (auto name : messages::kAll) {
    const auto id = platform::ui::RegisterWindowMessage(name);
    EXPECT_GE(id, platform::ui::kFirstRegisteredMessage) << name;
    numbers.insert(id);
  }
  EXPECT_EQ(numbers.size(), messages::kAll.size());
}

TEST(ModuleEntry, NamesKeepTheirGuidCase) {
  EXPECT_EQ(messages::kEditBoxFocusData, "UM_EDITBOX_FOCUS_DATA-{67f4b673-533f-4e09-8003-365c753e8457}");
  EXPECT_EQ(messages::kEndThread, "UM_END_THREAD-{2F9560E7-C2F9-4915-A58F-6DA582114CFE}");
}

}  // namespace
