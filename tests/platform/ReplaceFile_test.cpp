// Whole-file replacement: the name shows the old file or the new one, and
// a failure leaves nothing beside it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/fs/ReplaceFile.h"
#include "support/TestMachine.h"

namespace {

using testing_support::TestMachine;

TEST(ReplaceFileTest, WritesWholeOrLeavesTheFolderAsItWas) {
  struct Case {
    std::string_view path;
    bool written;
    std::string_view reason;  // its start
  };
  const Case cases[] = {
      {"C:\\Out\\new.txt", true, ""},
      {"C:\\Out\\old.txt", true, ""},
      {"C:\\Out\\folder", false, "Cannot replace C:\\Out\\folder"},
      // /sys refuses new files even to root, which tests may run as.
      {"C:\\Locked\\new.txt", false, "Cannot write C:\\Locked\\new.txt: "},
      {"Q:\\new.txt", false, "Cannot write Q:\\new.txt: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    TestMachine machine;
    machine.Mount("C:\\Locked", "/sys");
    machine.Write("C:\\Out\\old.txt", "old, and longer than the new");
    machine.Write("C:\\Out\\folder\\inside.txt", "");
    std::string reason;
    EXPECT_EQ(platform::fs::ReplaceFileWith(c.path, "new", reason), c.written);
    EXPECT_EQ(reason.substr(0, c.reason.size()), c.reason);
    if (c.written) {
      EXPECT_EQ(machine.Read(c.path), "new");
    }
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(machine.Host("C:\\Out")))
      left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = {"folder", "old.txt"};
    if (c.written && c.path == "C:\\Out\\new.txt") expected.insert(expected.begin() + 1, "new.txt");
    EXPECT_EQ(left, expected);
  }
}

}  // namespace
