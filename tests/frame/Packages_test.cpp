#include "frame/Packages.h"

#include <gtest/gtest.h>

#include "ZipWriter.h"
#include "frame/Folders.h"
#include "platform/fs/FileSystem.h"
#include "support/TestMachine.h"

namespace {

namespace fs = platform::fs;
using testing_support::TestMachine;

struct FindCase {
  const char* name;
  std::vector<std::pair<char, fs::DriveType>> drives;
  std::vector<std::string> packages;
  std::string expected;  // empty: none found
};

TEST(FindPackageFile, DriveRules) {
  using enum fs::DriveType;
  const std::string kDownload = "C:\\Navlore Download\\";
  const std::string kUsers = "C:\\Users\\Tester\\Downloads\\";
  const FindCase cases[] = {
      {"removable drives first", {{'F', Removable}}, {kDownload + "dl.WKZ", "F:\\stick.WKZ"}, "F:\\stick.WKZ"},
      {"drives in A..Z order", {{'E', CdRom}, {'F', Removable}}, {"F:\\stick.WKZ", "E:\\disc.wkz"}, "E:\\disc.wkz"},
      {"fixed drives are not searched", {{'D', Fixed}}, {"D:\\fixed.WKZ", kUsers + "user.WKZ"}, kUsers + "user.WKZ"},
      {"download folder before the user's Downloads", {}, {kUsers + "u.WKZ", kDownload + "d.WKZ"}, kDownload + "d.WKZ"},
      {"only the root of a removable drive", {{'F', Removable}}, {"F:\\sub\\deep.WKZ"}, ""},
      {"two on one drive: the first in listing order", {{'G', Removable}}, {"G:\\b.WKZ", "G:\\a.WKZ"}, "G:\\a.WKZ"},
      {"other extensions are not packages", {}, {kDownload + "wind.WFZ"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestMachine machine;
    for (const auto& [letter, type] : c.drives) machine.AddDrive(letter, type);
    for (const auto& package : c.packages) machine.Write(package, "PK");
    std::string found;
    EXPECT_EQ(FindPackageFile(kWreckPackageExtension, found), !c.expected.empty());
    EXPECT_EQ(found, c.expected);
  }
}

// The host's install tests see packages moved and copied; a name already
// filed is the case where the move fails and the package must still go.
TEST(MoveToInstalled, ANameAlreadyFiledDeletesThePackageAndKeepsTheFiledOne) {
  TestMachine machine;
  machine.Write("C:\\Navlore Download\\w.WKZ", "PK");
  machine.Write("C:\\Navlore Download\\Installed\\w.WKZ", "old");
  EXPECT_FALSE(MoveToInstalled("C:\\Navlore Download\\w.WKZ"));
  EXPECT_EQ(machine.Read("C:\\Navlore Download\\Installed\\w.WKZ"), "old");
  EXPECT_FALSE(machine.Exists("C:\\Navlore Download\\w.WKZ"));
  EXPECT_FALSE(MoveToInstalled("C:\\Navlore Download\\w.WKZ"));  // nothing left to move
}

// Unreadable packages stay where they are; the install step files them away
// with a second call, so they are not offered again. The unzip library
// refuses to open an archive with no entries at all, so such a package is one.
TEST(UnpackPackage, AnUnreadablePackageStaysWhereItIs) {
  TestMachine machine;
  std::filesystem::create_directories(machine.Host("C:\\Navlore Download"));
  tools::ZipWriter(machine.Host("C:\\Navlore Download\\empty.WKZ")).Close();
  machine.Write("C:\\Navlore Download\\broken.WKZ", "this is not a zip archive");
  for (const std::string package : {"C:\\Navlore Download\\empty.WKZ", "C:\\Navlore Download\\broken.WKZ"}) {
    SCOPED_TRACE(package);
    EXPECT_FALSE(UnpackPackage("C:\\MyData\\Wrecks\\", package));
    EXPECT_TRUE(machine.Exists(package));
    EXPECT_TRUE(MoveToInstalled(package));
    EXPECT_FALSE(machine.Exists(package));
  }
}

}  // namespace
