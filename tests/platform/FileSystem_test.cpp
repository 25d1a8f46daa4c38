#include "platform/fs/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "support/TestMachine.h"

namespace {

namespace fs = platform::fs;
using testing_support::TestMachine;

std::vector<std::string> Names(const std::vector<fs::FoundFile>& found) {
  std::vector<std::string> names;
  for (const auto& f : found) names.push_back(f.name);
  return names;
}

TEST(FindFiles, WildcardsMatchIgnoringCaseInNameOrder) {
  TestMachine machine;
  for (const char* name : {"b.wkz", "A.WKZ", "c.Wkz", "d.wkzx", "e.zip", "F.WKZ.bak"})
    machine.Write(std::string("C:\\Drop\\") + name, "x");
  machine.Write("C:\\Drop\\Folder.WKZ\\inside", "x");
  for (const char* name : {"ab", "abc", "abcd", "xbc"}) machine.Write(std::string("C:\\W\\") + name, "");
  struct Case {
    const char* pattern;
    std::vector<std::string> names;
  } cases[] = {
      {"C:\\Drop\\*.WKZ", {"A.WKZ", "b.wkz", "c.Wkz", "Folder.WKZ"}},
      {"C:\\W\\a?c", {"abc"}},
      {"C:\\W\\*c", {"abc", "xbc"}},
      {"C:\\W\\*b*d", {"abcd"}},
      {"C:\\W\\*", {"ab", "abc", "abcd", "xbc"}},
      {"C:\\Nowhere\\*", {}},
      {"Q:\\*", {}},
      {"no folder part", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(Names(fs::FindFiles(c.pattern)), c.names);
  }
  const auto found = fs::FindFiles("C:\\Drop\\*.WKZ");
  EXPECT_TRUE(found.back().folder);
  EXPECT_EQ(found.front().size, 1u);
}

TEST(CreateFolder, OneLevelAtATime) {
  TestMachine machine;
  EXPECT_EQ(fs::CreateFolder("C:\\New"), fs::CreateResult::Created);
  EXPECT_EQ(fs::CreateFolder("C:\\New"), fs::CreateResult::AlreadyExists);
  EXPECT_EQ(fs::CreateFolder("C:\\Missing\\Child"), fs::CreateResult::Failed);
  EXPECT_EQ(fs::CreateFolder("Q:\\NoDrive"), fs::CreateResult::Failed);
  machine.Write("C:\\file", "");
  EXPECT_EQ(fs::CreateFolder("C:\\file"), fs::CreateResult::AlreadyExists);
  EXPECT_TRUE(fs::FolderExists("C:\\NEW\\"));
  EXPECT_FALSE(fs::FolderExists("C:\\file"));
  EXPECT_TRUE(fs::FileExists("C:\\FILE"));
}

TEST(MoveAndCopy, FollowTheShellsRules) {
  TestMachine machine;
  machine.Write("C:\\a.txt", "first");
  machine.Write("C:\\b.txt", "second");
  EXPECT_FALSE(fs::MoveFile("C:\\a.txt", "C:\\b.txt"));
  EXPECT_EQ(machine.Read("C:\\a.txt"), "first");
  EXPECT_TRUE(fs::MoveFile("C:\\a.txt", "C:\\b.txt", fs::MoveMode::ReplaceExisting));
  EXPECT_FALSE(machine.Exists("C:\\a.txt"));
  EXPECT_EQ(machine.Read("C:\\b.txt"), "first");
  EXPECT_FALSE(fs::MoveFile("C:\\gone.txt", "C:\\c.txt"));

  EXPECT_TRUE(fs::CopyFile("C:\\b.txt", "C:\\c.txt", true));
  machine.Write("C:\\c.txt", "changed");
  EXPECT_FALSE(fs::CopyFile("C:\\b.txt", "C:\\c.txt", true));
  EXPECT_TRUE(fs::CopyFile("C:\\b.txt", "C:\\c.txt", false));
  EXPECT_EQ(machine.Read("C:\\c.txt"), "first");

  EXPECT_TRUE(fs::DeleteFile("C:\\c.txt"));
  EXPECT_FALSE(fs::DeleteFile("C:\\c.txt"));

  // Across drives the bytes move, as no rename can do it.
  machine.AddDrive('D', fs::DriveType::Fixed);
  EXPECT_TRUE(fs::MoveFile("C:\\b.txt", "D:\\b.txt"));
  EXPECT_EQ(machine.Read("D:\\b.txt"), "first");
  EXPECT_FALSE(machine.Exists("C:\\b.txt"));
}

TEST(FullPath, JoinsTheCurrentFolderAndNormalises) {
  TestMachine machine;
  machine.Edit([](fs::Platform& p) { p.currentDirectory = "C:\\Work\\Charts"; });
  struct Case {
    std::string in;
    const char* out;
  } cases[] = {
      {"chart.kmz", "C:\\Work\\Charts\\chart.kmz"},
      {"..\\x.kmz", "C:\\Work\\x.kmz"},
      {"\\Top\\x.kmz", "C:\\Top\\x.kmz"},
      {"D:/a/./b/../c.kmz", "D:\\a\\c.kmz"},
      {"C:\\Folder\\", "C:\\Folder\\"},
      {"c:", "C:\\"},
      {"", ""},
      {"C:\\" + std::string(300, 'a'), ""},  // longer than a path may be
  };
  for (const auto& c : cases) EXPECT_EQ(fs::FullPath(c.in), c.out) << c.in;
}

TEST(DosTime, ConvertsBothWaysAsLocalTime) {
  // Taken as local time: 1 March 2021 13:45:58 in the zone of the test run.
  const std::uint32_t dos = ((2021u - 1980u) << 25) | (3u << 21) | (1u << 16) | (13u << 11) | (45u << 5) | 29u;
  const auto t = fs::TimeFromDos(dos);
  ASSERT_TRUE(t);
  std::tm tm{};
  localtime_r(&*t, &tm);
  EXPECT_EQ(std::vector({tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec}),
            std::vector({2021, 3, 1, 13, 45, 58}));
  EXPECT_EQ(fs::DosFromTime(*t), dos);
  // Month 0, day 0 and hour 31 are no dates.
  EXPECT_FALSE(fs::TimeFromDos(0));
  EXPECT_FALSE(fs::TimeFromDos(((40u) << 25) | (1u << 21)));
  EXPECT_FALSE(fs::TimeFromDos(((40u) << 25) | (1u << 21) | (1u << 16) | (31u << 11)));
}

TEST(SetFileTimesFromDos, SetsLastWriteAndKeepsLastAccess) {
  TestMachine machine;
  machine.Write("C:\\f.txt", "x");
  struct stat before {};
  ASSERT_EQ(stat(machine.Host("C:\\f.txt").c_str(), &before), 0);
  const std::uint32_t dos = ((2010u - 1980u) << 25) | (7u << 21) | (4u << 16) | (8u << 11);
  ASSERT_TRUE(fs::SetFileTimesFromDos("C:\\f.txt", dos));
  struct stat after {};
  ASSERT_EQ(stat(machine.Host("C:\\f.txt").c_str(), &after), 0);
  EXPECT_EQ(after.st_mtime, *fs::TimeFromDos(dos));
  EXPECT_EQ(after.st_atime, before.st_atime);
  EXPECT_FALSE(fs::SetFileTimesFromDos("C:\\missing.txt", dos));
}

TEST(OpenFile, RefusesFoldersAndAbsentDrives) {
  TestMachine machine;
  machine.AddDrive('E', fs::DriveType::Absent);
  EXPECT_FALSE(fs::OpenFile("C:\\Windows", "rb"));
  EXPECT_FALSE(fs::OpenFile("E:\\x", "wb"));
  EXPECT_FALSE(fs::OpenFile("C:\\NoFolder\\x", "wb"));
  auto f = fs::OpenFile("C:\\x.bin", "wb");
  ASSERT_TRUE(f);
  EXPECT_EQ(std::fputs("abc", f.get()), 1);
  f.reset();
  EXPECT_EQ(fs::FileSize("C:\\x.bin"), 3u);
  EXPECT_TRUE(fs::FreeSpace("C:\\NoFolder\\Deeper\\"));
}

}  // namespace
