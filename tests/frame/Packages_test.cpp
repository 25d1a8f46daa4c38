#include "frame/Packages.h"

#include <gtest/gtest.h>

#include "ZipWriter.h"
#include "frame/Folders.h"
#include "platform/fs/FileSystem.h"
#include "support/TestMachine.h"

namespace {

namespace fs = platform::fs;
using testing_support::TestMachine;

void WritePackage(const TestMachine& machine, const std::string& path) {
  std::filesystem::create_directories(machine.Host(path).parent_path());
  tools::ZipWriter zip(machine.Host(path));
  zip.AddFile("Wrecks Jan 2026.WRK", "database bytes");
  zip.AddFolder("Extra/");
  zip.AddFile("Extra/readme.txt", "hello");
  zip.Close();
}

struct FindCase {
  const char* name;
  std::vector<std::pair<char, fs::DriveType>> drives;
  std::vector<std::string> packages;
  const char* expected;  // empty: none found
};

TEST(FindPackageFile, DriveRules) {
  const FindCase cases[] = {
      {"removable before download folder",
       {{'F', fs::DriveType::Removable}},
       {"C:\\Navlore Download\\dl.WKZ", "F:\\stick.WKZ"},
       "F:\\stick.WKZ"},
      {"drives in A..Z order",
       {{'E', fs::DriveType::CdRom}, {'F', fs::DriveType::Removable}},
       {"F:\\stick.WKZ", "E:\\disc.wkz"},
       "E:\\disc.wkz"},
      {"fixed drives are not searched",
       {{'D', fs::DriveType::Fixed}},
       {"D:\\fixed.WKZ", "C:\\Users\\Tester\\Downloads\\user.WKZ"},
       "C:\\Users\\Tester\\Downloads\\user.WKZ"},
      {"download folder before the user's Downloads",
       {},
       {"C:\\Users\\Tester\\Downloads\\user.WKZ", "C:\\Navlore Download\\dl.WKZ"},
       "C:\\Navlore Download\\dl.WKZ"},
      {"only the root of a removable drive",
       {{'F', fs::DriveType::Removable}},
       {"F:\\sub\\deep.WKZ"},
       ""},
      {"two on one drive: the first in listing order",
       {{'G', fs::DriveType::Removable}},
       {"G:\\b.WKZ", "G:\\a.WKZ"},
       "G:\\a.WKZ"},
      {"other extensions are not packages", {}, {"C:\\Navlore Download\\wind.WFZ"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestMachine machine;
    for (const auto& [letter, type] : c.drives) machine.AddDrive(letter, type);
    for (const auto& package : c.packages) machine.Write(package, "PK");
    std::string found;
    EXPECT_EQ(FindPackageFile(kWreckPackageExtension, found), *c.expected != 0);
    if (*c.expected) {
      EXPECT_EQ(found, c.expected);
    }
  }
}

TEST(MoveToInstalled, FixedDriveMovesTheFile) {
  TestMachine machine;
  machine.Write("C:\\Navlore Download\\w.WKZ", "PK");
  EXPECT_TRUE(MoveToInstalled("C:\\Navlore Download\\w.WKZ"));
  EXPECT_FALSE(machine.Exists("C:\\Navlore Download\\w.WKZ"));
  EXPECT_EQ(machine.Read("C:\\Navlore Download\\Installed\\w.WKZ"), "PK");
  // A second call finds nothing to move and changes nothing.
  EXPECT_FALSE(MoveToInstalled("C:\\Navlore Download\\w.WKZ"));
  EXPECT_EQ(machine.Read("C:\\Navlore Download\\Installed\\w.WKZ"), "PK");
}

TEST(MoveToInstalled, CopyAlreadyInstalledDeletesTheDroppedPackage) {
  TestMachine machine;
  machine.Write("C:\\Navlore Download\\Installed\\w.WKZ", "old");
  machine.Write("C:\\Navlore Download\\w.WKZ", "new");
  EXPECT_FALSE(MoveToInstalled("C:\\Navlore Download\\w.WKZ"));
  EXPECT_FALSE(machine.Exists("C:\\Navlore Download\\w.WKZ"));
  EXPECT_EQ(machine.Read("C:\\Navlore Download\\Installed\\w.WKZ"), "old");
  std::string found;
  EXPECT_FALSE(FindPackageFile(kWreckPackageExtension, found));
}

TEST(MoveToInstalled, CdRomPackageIsCopiedAndStays) {
  TestMachine machine;
  machine.AddDrive('E', fs::DriveType::CdRom);
  machine.Write("E:\\disc.WKZ", "PK");
  machine.Write("C:\\Navlore Download\\Installed\\disc.WKZ", "older copy");
  EXPECT_TRUE(MoveToInstalled("E:\\disc.WKZ"));
  EXPECT_EQ(machine.Read("C:\\Navlore Download\\Installed\\disc.WKZ"), "PK");
  EXPECT_TRUE(machine.Exists("E:\\disc.WKZ"));
  std::string found;
  EXPECT_TRUE(FindPackageFile(kWreckPackageExtension, found));  // offered again while the disc is in
  EXPECT_EQ(found, "E:\\disc.WKZ");
}

TEST(UnpackPackage, ExtractsEveryEntryAndFilesThePackageAway) {
  TestMachine machine;
  WritePackage(machine, "C:\\Navlore Download\\w.WKZ");
  std::string folder;
  ASSERT_TRUE(FindDataFolder(folder, kWrecksDataFolder));
  EXPECT_TRUE(UnpackPackage(folder, "C:\\Navlore Download\\w.WKZ"));
  EXPECT_EQ(machine.Read("C:\\MyData\\Wrecks\\Wrecks Jan 2026.WRK"), "database bytes");
  EXPECT_EQ(machine.Read("C:\\MyData\\Wrecks\\Extra\\readme.txt"), "hello");
  EXPECT_FALSE(machine.Exists("C:\\Navlore Download\\w.WKZ"));
  EXPECT_TRUE(machine.Exists("C:\\Navlore Download\\Installed\\w.WKZ"));
}

// The unzip library refuses to open an archive with no entries at all, so
// such a package is treated like any unreadable one.
TEST(UnpackPackage, AnArchiveWithoutEntriesGivesFalseAndStays) {
  TestMachine machine;
  {
    std::filesystem::create_directories(machine.Host("C:\\Navlore Download"));
    tools::ZipWriter zip(machine.Host("C:\\Navlore Download\\empty.WKZ"));
    zip.Close();
  }
  EXPECT_FALSE(UnpackPackage("C:\\MyData\\Wrecks\\", "C:\\Navlore Download\\empty.WKZ"));
  EXPECT_TRUE(machine.Exists("C:\\Navlore Download\\empty.WKZ"));
}

TEST(UnpackPackage, NotAnArchiveStaysWhereItIs) {
  TestMachine machine;
  machine.Write("C:\\Navlore Download\\broken.WKZ", "this is not a zip archive");
  EXPECT_FALSE(UnpackPackage("C:\\MyData\\Wrecks\\", "C:\\Navlore Download\\broken.WKZ"));
  EXPECT_TRUE(machine.Exists("C:\\Navlore Download\\broken.WKZ"));
  // The install step files it away with a second call, so it is not offered again.
  EXPECT_TRUE(MoveToInstalled("C:\\Navlore Download\\broken.WKZ"));
  EXPECT_FALSE(machine.Exists("C:\\Navlore Download\\broken.WKZ"));
}

}  // namespace
