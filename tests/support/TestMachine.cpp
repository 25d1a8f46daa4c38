#include "support/TestMachine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/fs/FileSystem.h"

namespace testing_support {
namespace stdfs = std::filesystem;
namespace {

stdfs::path MakeTempFolder() {
  std::string pattern = (stdfs::temp_directory_path() / "overlays-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  return pattern;
}

void RemoveTree(const stdfs::path& folder) {
  std::error_code ec;
  // Tests may leave read-only files behind; give write access back first.
  for (auto it = stdfs::recursive_directory_iterator(folder, ec); !ec && it != stdfs::recursive_directory_iterator();
       it.increment(ec))
    stdfs::permissions(it->path(), stdfs::perms::owner_all, stdfs::perm_options::add, ec);
  stdfs::remove_all(folder, ec);
}

}  // namespace

std::optional<std::string> ReadHostFile(const stdfs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TempFolder::TempFolder() : path_(MakeTempFolder()) {}

TempFolder::~TempFolder() { RemoveTree(path_); }

TestMachine::TestMachine(std::string program, std::string profile)
    : root_(MakeTempFolder()),
      platform_(platform::fs::MachineOnFolder(root_ / "C", profile, program)),
      previous_(platform::fs::Current()) {
  Reinstall();
}

TestMachine::~TestMachine() {
  platform::fs::Install(previous_);
  RemoveTree(root_);
}

stdfs::path TestMachine::DriveFolder(char letter) const { return root_ / std::string(1, letter); }

void TestMachine::AddDrive(char letter, platform::fs::DriveType type) {
  stdfs::create_directories(DriveFolder(letter));
  platform_.drives.MapDrive(letter, DriveFolder(letter), type);
  Reinstall();
}

void TestMachine::Mount(std::string_view windowsFolder, const stdfs::path& host) {
  platform_.drives.Mount(windowsFolder, host);
  Reinstall();
}

void TestMachine::SetCommandLine(std::string commandLine) {
  platform_.commandLine = std::move(commandLine);
  Reinstall();
}

void TestMachine::SetClock(std::time_t now) {
  platform_.clock = [now] { return now; };
  Reinstall();
}

void TestMachine::Edit(const std::function<void(platform::fs::Platform&)>& change) {
  change(platform_);
  Reinstall();
}

void TestMachine::Reinstall() { platform::fs::Install(std::make_shared<const platform::fs::Platform>(platform_)); }

stdfs::path TestMachine::Host(std::string_view windowsPath) const {
  auto host = platform::fs::ToHost(windowsPath);
  if (!host) throw std::runtime_error("no host path for " + std::string(windowsPath));
  return *host;
}

void TestMachine::Write(std::string_view windowsPath, std::string_view bytes) const {
  const auto host = Host(windowsPath);
  stdfs::create_directories(host.parent_path());
  std::ofstream out(host, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + host.string());
}

std::optional<std::string> TestMachine::Read(std::string_view windowsPath) const {
  return ReadHostFile(Host(windowsPath));
}

bool TestMachine::Exists(std::string_view windowsPath) const {
  auto host = platform::fs::ToHost(windowsPath);
  std::error_code ec;
  return host && stdfs::exists(*host, ec);
}

}  // namespace testing_support
