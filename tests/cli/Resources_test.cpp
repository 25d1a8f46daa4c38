// 'overlays resources' end to end: the registered messages with their
// numbers, the module's templates, and one template control by control.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "support/TestMachine.h"

namespace {

using testing_support::CliResult;
using testing_support::Contains;
using testing_support::RunCli;
using testing_support::TempFolder;

TEST(ResourcesCommandTest, ListsTheMessagesAndTheTemplates) {
  TempFolder root;
  const CliResult result = RunCli({"--root", root.Path().string(), "resources"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(Contains(result.out, "Registered messages\n"));
  // Both lower-case GUIDs come out exactly as registered.
  EXPECT_TRUE(Contains(result.out, "  UM_EDITBOX_FOCUS_DATA-{67f4b673-533f-4e09-8003-365c753e8457}\n"));
  EXPECT_TRUE(Contains(result.out, "  UM_BUTTON_DOWN-{20CAE8CB-D830-4603-B551-A96E86611928}\n"));
  EXPECT_TRUE(Contains(result.out, "  0xC0")) << "registered numbers lie from 0xC000 on";
  EXPECT_TRUE(Contains(result.out, "Dialog templates\n"));
  EXPECT_TRUE(Contains(result.out, "Bitmaps\n"));
}

TEST(ResourcesCommandTest, AnUnknownTemplateIsAClearError) {
  TempFolder root;
  const CliResult result = RunCli({"--root", root.Path().string(), "resources", "--dialog", "1"});
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(Contains(result.err, "no dialog template 1 in the module")) << result.err;
}

}  // namespace
