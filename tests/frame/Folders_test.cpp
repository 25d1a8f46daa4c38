#include "frame/Folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/fs/FileSystem.h"
#include "support/TestMachine.h"

namespace {

namespace fs = platform::fs;
using testing_support::TestMachine;

TEST(Folders, DownloadMyDrivesAndSettingsAreMadeOnTheWindowsDrive) {
  TestMachine machine("ChartHost");
  EXPECT_EQ(GetDownloadFolder(), "C:\\Navlore Download\\");
  EXPECT_TRUE(fs::FolderExists("C:\\Navlore Download"));
  EXPECT_EQ(GetMyDrivesFolder(), "C:\\MyDrives\\");
  EXPECT_TRUE(fs::FolderExists("C:\\MyDrives"));
  EXPECT_EQ(GetSettingsFolder(), "C:\\MySettings\\ChartHost\\");
  EXPECT_TRUE(fs::FolderExists("C:\\MySettings\\ChartHost"));
  // The download folder follows the drive of the common data folder.
  machine.AddDrive('D', fs::DriveType::Fixed);
  machine.Edit([](fs::Platform& p) { p.shell.commonAppData = "D:\\ProgramData"; });
  EXPECT_EQ(GetDownloadFolder(), "D:\\Navlore Download\\");
  EXPECT_TRUE(machine.Exists("D:\\Navlore Download"));
}

TEST(Folders, SettingsSubFolderIsTheProgramNameOfTheCommandLine) {
  struct Case {
    const char* commandLine;
    const char* folder;
  } cases[] = {
      {"\"C:\\Program Files\\Navlore\\Chart.exe\"", "C:\\MySettings\\Chart\\"},
      {"C:/Apps/viewer.v2.exe", "C:\\MySettings\\viewer.v2\\"},
      // The whole command line is split as one path, arguments and all.
      {"\"C:\\Apps\\Chart.exe\" \"D:\\My Charts\\north.kmz\"", "C:\\MySettings\\north\\"},
  };
  for (const auto& c : cases) {
    TestMachine machine;
    machine.SetCommandLine(c.commandLine);
    EXPECT_EQ(GetSettingsFolder(), c.folder) << c.commandLine;
  }
}

TEST(Folders, UserDownloadsIsTheProfilesThenOneOnDThenNone) {
  TestMachine machine("Host", "Ann");
  EXPECT_EQ(GetUserDownloadsFolder(), "C:\\Users\\Ann\\Downloads\\");
  std::filesystem::remove_all(machine.Host("C:\\Users\\Ann\\Downloads"));
  EXPECT_EQ(GetUserDownloadsFolder(), "");
  machine.AddDrive('D', fs::DriveType::Fixed);
  std::filesystem::create_directories(machine.DriveFolder('D') / "Users" / "Ann" / "Downloads");
  EXPECT_EQ(GetUserDownloadsFolder(), "D:\\Users\\Ann\\Downloads\\");
}

TEST(DataFolder, TheRedirectionFileNamesIt) {
  const struct {
    const char* content;  // of C:\MyDrives\MyData.INI; null: no file
    const char* path;     // empty: none
  } cases[] = {
      {"D:\\Charts\\Data\r\n", "D:\\Charts\\Data\\Wrecks\\"},
      {"  D:\\Charts\\Data\\  \nsecond line ignored\n", "D:\\Charts\\Data\\Wrecks\\"},
      {"\r\n", ""},
      {"Q:\\Data\n", ""},  // an absent drive
      {nullptr, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content ? c.content : "(no file)");
    TestMachine machine;
    machine.AddDrive('D', fs::DriveType::Fixed);
    if (c.content) machine.Write("C:\\MyDrives\\MyData.INI", c.content);
    std::string path;
    EXPECT_EQ(GetDataFolder(path, kWrecksDataFolder), *c.path != 0);
    if (*c.path) {
      EXPECT_EQ(path, c.path);
      EXPECT_TRUE(fs::FolderExists(path));
    }
  }
}

// A MyData tree on C:, else one already on a fixed D: or E:, else a new one
// on a fixed D: or E:, else a new one on C:.
TEST(DefaultDataFolder, DriveRules) {
  using Drives = std::vector<std::pair<char, fs::DriveType>>;
  const struct {
    const char* what;
    Drives drives;
    std::vector<char> trees;  // drives that hold a MyData folder already
    const char* path;
  } cases[] = {
      {"C: before any other drive", {{'D', fs::DriveType::Fixed}}, {'D', 'C'}, "C:\\MyData\\Wrecks\\"},
      {"an existing tree on a fixed D:", {{'D', fs::DriveType::Fixed}}, {'D'}, "D:\\MyData\\Wrecks\\"},
      {"a tree on a removable D: is passed over", {{'D', fs::DriveType::Removable}}, {'D'}, "C:\\MyData\\Wrecks\\"},
      {"made on a fixed D:", {{'D', fs::DriveType::Fixed}}, {}, "D:\\MyData\\Wrecks\\"},
      {"made on C: without another fixed drive", {{'D', fs::DriveType::CdRom}, {'E', fs::DriveType::Removable}}, {},
       "C:\\MyData\\Wrecks\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestMachine machine;
    for (const auto& [letter, type] : c.drives) machine.AddDrive(letter, type);
    for (char letter : c.trees) std::filesystem::create_directories(machine.DriveFolder(letter) / "MyData");
    std::string path;
    EXPECT_TRUE(GetDefaultDataFolder(path, kWrecksDataFolder));
    EXPECT_EQ(path, c.path);
    EXPECT_TRUE(machine.Exists(c.path));
    EXPECT_EQ(machine.Exists("C:\\MyData"), c.path[0] == 'C' || std::count(c.trees.begin(), c.trees.end(), 'C'));
  }
}

TEST(FindDataFolder, RedirectionWinsOverTheDefault) {
  TestMachine machine;
  std::filesystem::create_directories(machine.DriveFolder('C') / "MyData");
  machine.Write("C:\\MyDrives\\MyData.INI", "C:\\Elsewhere");
  std::string path;
  EXPECT_TRUE(FindDataFolder(path, kGlobalDataFolder));
  EXPECT_EQ(path, "C:\\Elsewhere\\Global\\");
}

TEST(FindRootFolder, OrderOfTheDrives) {
  TestMachine machine;
  machine.AddDrive('D', fs::DriveType::Removable);
  machine.AddDrive('E', fs::DriveType::Fixed);
  std::string path;
  EXPECT_TRUE(FindRootFolder("MySettings", path));
  EXPECT_EQ(path, "E:\\MySettings\\");
  std::filesystem::create_directories(machine.DriveFolder('C') / "MySettings");
  EXPECT_TRUE(FindRootFolder("MySettings", path));
  EXPECT_EQ(path, "C:\\MySettings\\");
}

TEST(CreateFolderPath, EveryLevelAndTheResultRule) {
  TestMachine machine;
  EXPECT_TRUE(CreateFolderPath("C:\\a\\b\\c"));
  EXPECT_TRUE(machine.Exists("C:\\a\\b\\c"));
  EXPECT_TRUE(CreateFolderPath("C:\\a\\b\\c\\"));  // existing levels count as good
  EXPECT_FALSE(CreateFolderPath("C:\\"));           // three characters or fewer
  EXPECT_FALSE(CreateFolderPath("abc\\def"));       // no drive
  EXPECT_FALSE(CreateFolderPath("Q:\\nothing\\here"));
  machine.Write("C:\\file", "");
  // The first level exists (as a file, which the shell reports the same way).
  EXPECT_TRUE(CreateFolderPath("C:\\file\\below"));
  EXPECT_FALSE(machine.Exists("C:\\file\\below"));
}

}  // namespace
