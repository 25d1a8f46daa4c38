#include "frame/Folders.h"

#include <gtest/gtest.h>

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
}

TEST(Folders, SettingsSubFolderIsTheProgramNameOfTheCommandLine) {
  struct Case {
    const char* commandLine;
    const char* folder;
  } cases[] = {
      {"\"C:\\Program Files\\Navlore\\Chart.exe\"", "C:\\MySettings\\Chart\\"},
      {"C:/Apps/viewer.v2.exe", "C:\\MySettings\\viewer.v2\\"},
      {"plain", "C:\\MySettings\\plain\\"},
      // The whole command line is split as one path, arguments and all.
      {"\"C:\\Apps\\Chart.exe\" \"D:\\My Charts\\north.kmz\"", "C:\\MySettings\\north\\"},
  };
  for (const auto& c : cases) {
    TestMachine machine;
    machine.SetCommandLine(c.commandLine);
    EXPECT_EQ(GetSettingsFolder(), c.folder) << c.commandLine;
  }
}

TEST(Folders, DownloadFolderFollowsTheCommonDataDrive) {
  TestMachine machine;
  machine.AddDrive('D', fs::DriveType::Fixed);
  machine.Edit([](fs::Platform& p) { p.shell.commonAppData = "D:\\ProgramData"; });
  EXPECT_EQ(GetDownloadFolder(), "D:\\Navlore Download\\");
  EXPECT_TRUE(machine.Exists("D:\\Navlore Download"));
}

TEST(Folders, UserDownloadsIsTheProfilesDownloadsFolder) {
  TestMachine machine("Host", "Ann");
  EXPECT_EQ(GetUserDownloadsFolder(), "C:\\Users\\Ann\\Downloads\\");
}

TEST(Folders, UserDownloadsFallsBackToDThenToNothing) {
  TestMachine machine("Host", "Ann");
  std::filesystem::remove_all(machine.Host("C:\\Users\\Ann\\Downloads"));
  EXPECT_EQ(GetUserDownloadsFolder(), "");
  machine.AddDrive('D', fs::DriveType::Fixed);
  std::filesystem::create_directories(machine.DriveFolder('D') / "Users" / "Ann" / "Downloads");
  EXPECT_EQ(GetUserDownloadsFolder(), "D:\\Users\\Ann\\Downloads\\");
}

TEST(DataFolder, RedirectionFileWithAndWithoutTrailingBackslash) {
  struct Case {
    const char* content;
    bool found;
    const char* path;
  } cases[] = {
      {"D:\\Charts\\Data\r\n", true, "D:\\Charts\\Data\\Wrecks\\"},
      {"  D:\\Charts\\Data\\  \nsecond line ignored\n", true, "D:\\Charts\\Data\\Wrecks\\"},
      {"\r\n", false, ""},
      {"", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    TestMachine machine;
    machine.AddDrive('D', fs::DriveType::Fixed);
    machine.Write("C:\\MyDrives\\MyData.INI", c.content);
    std::string path;
    EXPECT_EQ(GetDataFolder(path, kWrecksDataFolder), c.found);
    if (c.found) {
      EXPECT_EQ(path, c.path);
      EXPECT_TRUE(fs::FolderExists(path));
    }
  }
}

TEST(DataFolder, NoRedirectionFileGivesFalse) {
  TestMachine machine;
  std::string path;
  EXPECT_FALSE(GetDataFolder(path, kWrecksDataFolder));
}

TEST(DataFolder, RedirectionToAnAbsentDriveFails) {
  TestMachine machine;
  machine.Write("C:\\MyDrives\\MyData.INI", "Q:\\Data\n");
  std::string path;
  EXPECT_FALSE(GetDataFolder(path, kWrecksDataFolder));
}

TEST(DefaultDataFolder, FoundOnCBeforeAnyOtherDrive) {
  TestMachine machine;
  machine.AddDrive('D', fs::DriveType::Fixed);
  std::filesystem::create_directories(machine.DriveFolder('D') / "MyData");
  std::filesystem::create_directories(machine.DriveFolder('C') / "MyData");
  std::string path;
  EXPECT_TRUE(GetDefaultDataFolder(path, kWrecksDataFolder));
  EXPECT_EQ(path, "C:\\MyData\\Wrecks\\");
  EXPECT_TRUE(GetDefaultDataFolder(path, nullptr));
  EXPECT_EQ(path, "C:\\MyData\\");
}

TEST(DefaultDataFolder, ExistingTreeOnAFixedDIsUsed) {
  TestMachine machine;
  machine.AddDrive('D', fs::DriveType::Fixed);
  std::filesystem::create_directories(machine.DriveFolder('D') / "MyData" / "Wrecks");
  std::string path;
  EXPECT_TRUE(GetDefaultDataFolder(path, kWrecksDataFolder));
  EXPECT_EQ(path, "D:\\MyData\\Wrecks\\");
}

TEST(DefaultDataFolder, TreeOnARemovableDIsPassedOver) {
  TestMachine machine;
  machine.AddDrive('D', fs::DriveType::Removable);
  std::filesystem::create_directories(machine.DriveFolder('D') / "MyData");
  std::string path;
  EXPECT_TRUE(GetDefaultDataFolder(path, kWrecksDataFolder));
  EXPECT_EQ(path, "C:\\MyData\\Wrecks\\");
}

TEST(DefaultDataFolder, MadeOnAFixedDWhenNoDriveHasOne) {
  TestMachine machine;
  machine.AddDrive('D', fs::DriveType::Fixed);
  std::string path;
  EXPECT_TRUE(GetDefaultDataFolder(path, kWrecksDataFolder));
  EXPECT_EQ(path, "D:\\MyData\\Wrecks\\");
  EXPECT_TRUE(machine.Exists("D:\\MyData\\Wrecks"));
  EXPECT_FALSE(machine.Exists("C:\\MyData"));
}

TEST(DefaultDataFolder, MadeOnCWhenThereIsNoOtherFixedDrive) {
  TestMachine machine;
  machine.AddDrive('D', fs::DriveType::CdRom);
  machine.AddDrive('E', fs::DriveType::Removable);
  std::string path;
  EXPECT_TRUE(GetDefaultDataFolder(path, kWindFarmsDataFolder));
  EXPECT_EQ(path, "C:\\MyData\\WindFarms\\");
}

TEST(FindDataFolder, RedirectionWinsOverTheDefault) {
  TestMachine machine;
  std::filesystem::create_directories(machine.DriveFolder('C') / "MyData");
  machine.Write("C:\\MyDrives\\MyData.INI", "C:\\Elsewhere");
  std::string path;
  EXPECT_TRUE(FindDataFolder(path, "Global"));
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
