#pragma once
// A throw-away Windows-like machine in a temporary folder: C: is a fixed
// drive, further drives can be added with any type, and the platform is
// installed for the life of the object. Every test that touches files runs
// on one of these, never on the user's folders.

#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/fs/DriveTable.h"
#include "platform/fs/Platform.h"

namespace testing_support {

class TestMachine {
 public:
  // `program` names the host program (the settings sub-folder).
  explicit TestMachine(std::string program = "Host", std::string profile = "Tester");
  ~TestMachine();
  TestMachine(const TestMachine&) = delete;
  TestMachine& operator=(const TestMachine&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  // The host folder behind a drive letter (created by AddDrive or for C:).
  std::filesystem::path DriveFolder(char letter) const;

  void AddDrive(char letter, platform::fs::DriveType type);
  // Shows a host folder at a Windows folder (mounts on the drive table).
  void Mount(std::string_view windowsFolder, const std::filesystem::path& host);
  void SetCommandLine(std::string commandLine);
  void SetClock(std::time_t now);
  // Changes the platform in any other way.
  void Edit(const std::function<void(platform::fs::Platform&)>& change);

  // Host path of a Windows path (through the installed drive table).
  std::filesystem::path Host(std::string_view windowsPath) const;
  // Writes bytes to a Windows path, creating its folders on the host.
  void Write(std::string_view windowsPath, std::string_view bytes) const;
  // The bytes of a file, or nothing when it does not exist.
  std::optional<std::string> Read(std::string_view windowsPath) const;
  bool Exists(std::string_view windowsPath) const;

 private:
  void Reinstall();

  std::filesystem::path root_;
  platform::fs::Platform platform_;
  std::shared_ptr<const platform::fs::Platform> previous_;
};

// The bytes of a host file, or nothing when it cannot be read.
std::optional<std::string> ReadHostFile(const std::filesystem::path& path);

// A fresh empty folder under the system's temporary folder, removed by the
// destructor.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace testing_support
