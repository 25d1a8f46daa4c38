#include "platform/fs/DriveTable.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/TestMachine.h"

namespace {

using platform::fs::DriveTable;
using platform::fs::DriveType;
using platform::fs::SplitWindowsPath;
using testing_support::TempFolder;

struct SplitCase {
  const char* path;
  bool valid;
  char drive;
  std::vector<std::string> parts;
};

TEST(SplitWindowsPath, ComponentsDotsAndRefusals) {
  const SplitCase cases[] = {
      {"C:\\", true, 'C', {}},
      {"c:\\MyData\\Wrecks\\", true, 'C', {"MyData", "Wrecks"}},
      {"D:/a/b", true, 'D', {"a", "b"}},
      {"C:\\a\\.\\b\\..\\c", true, 'C', {"a", "c"}},
      // Climbing above the root stays at the root, as the shell does.
      {"C:\\..\\..\\etc\\passwd", true, 'C', {"etc", "passwd"}},
      {"C:\\a\\\\b", true, 'C', {"a", "b"}},
      {"relative\\path", false, 0, {}},
      {"\\\\server\\share", false, 0, {}},
      {"1:\\x", false, 0, {}},
      // A colon inside a component is an alternate stream, never a file here.
      {"C:\\a\\b:stream", false, 0, {}},
      {"", false, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const auto split = SplitWindowsPath(c.path);
    ASSERT_EQ(split.has_value(), c.valid);
    if (!split) continue;
    EXPECT_EQ(split->drive, c.drive);
    EXPECT_EQ(split->parts, c.parts);
  }
}

TEST(DriveTable, HostPathsFollowTheMappedDrives) {
  TempFolder tmp;
  std::filesystem::create_directories(tmp.Path() / "c" / "MyData" / "Wrecks");
  DriveTable table;
  table.MapDrive('c', tmp.Path() / "c", DriveType::Fixed);
  table.MapDrive('E', tmp.Path() / "e", DriveType::CdRom);
  table.MapDrive('F', tmp.Path() / "f", DriveType::Absent);

  EXPECT_EQ(table.TypeOf('C'), DriveType::Fixed);
  EXPECT_EQ(table.TypeOf('e'), DriveType::CdRom);
  EXPECT_EQ(table.TypeOf('Z'), DriveType::Absent);
  EXPECT_EQ(table.TypeOf('?'), DriveType::Absent);

  EXPECT_EQ(*table.HostPath("E:\\"), tmp.Path() / "e");
  EXPECT_FALSE(table.HostPath("F:\\anything"));
  EXPECT_FALSE(table.HostPath("G:\\unmapped"));
  // ".." never leaves the drive's folder.
  EXPECT_EQ(*table.HostPath("C:\\..\\..\\x"), tmp.Path() / "c" / "x");
  // Existing names match ignoring case; new ones keep their spelling.
  EXPECT_EQ(*table.HostPath("C:\\MYDATA\\wrecks\\New.txt"), tmp.Path() / "c" / "MyData" / "Wrecks" / "New.txt");
}

// Paths map both ways: through a mount that shows a host folder inside a
// drive, and with Windows-1252 names that are UTF-8 on the host.
TEST(DriveTable, MountsAndWindows1252NamesMapBothWays) {
  TempFolder tmp;
  DriveTable table;
  table.MapDrive('C', tmp.Path() / "c", DriveType::Fixed);
  table.Mount("C:\\Users\\Ann\\Downloads", tmp.Path() / "dl");
  EXPECT_EQ(*table.HostPath("C:\\Users\\Ann\\Downloads\\a.WKZ"), tmp.Path() / "dl" / "a.WKZ");
  EXPECT_EQ(*table.HostPath("c:\\users\\ann\\downloads"), tmp.Path() / "dl");
  EXPECT_EQ(*table.HostPath("C:\\Users\\Ann\\Documents"), tmp.Path() / "c" / "Users" / "Ann" / "Documents");
  EXPECT_EQ(*table.WindowsPathOf(tmp.Path() / "dl" / "a.WKZ"), "C:\\Users\\Ann\\Downloads\\a.WKZ");
  EXPECT_EQ(*table.WindowsPathOf(tmp.Path() / "c"), "C:\\");
  EXPECT_FALSE(table.WindowsPathOf(tmp.Path() / "elsewhere"));
  // "Société" with e-acute as the single byte 0xE9.
  const std::string ansi = "C:\\Soci\xE9t\xE9";
  EXPECT_EQ(*table.HostPath(ansi), tmp.Path() / "c" / "Soci\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(*table.WindowsPathOf(tmp.Path() / "c" / "Soci\xC3\xA9t\xC3\xA9"), ansi);
}

}  // namespace
