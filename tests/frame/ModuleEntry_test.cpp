#include "frame/ModuleEntry.h"

#include <gtest/gtest.h>

#include <set>

#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"

namespace {

TEST(ModuleEntry, MessagesAreDistinctRegisteredNumbers) {
  std::set<platform::ui::MessageId> numbers;
  for (auto name : messages::kAll) {
    const auto id = platform::ui::RegisterWindowMessage(name);
    EXPECT_GE(id, platform::ui::kFirstRegisteredMessage) << name;
    numbers.insert(id);
  }
  EXPECT_EQ(numbers.size(), messages::kAll.size());
}

}  // namespace
