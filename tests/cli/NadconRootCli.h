#pragma once
// A sandbox root whose "Nadcon" data folder holds the bundled NADCON grids,
// laid where `grids install` puts them, for the commands that read them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/TestMachine.h"

class NadconRootCli : public ::testing::Test {
 protected:
  // `command`: the words that name the command under test.
  explicit NadconRootCli(std::vector<std::string> command) : command_(std::move(command)) {}

  void SetUp() override {
    const auto grids = root_.Path() / "C" / "MyData" / "Nadcon";
    std::filesystem::create_directories(grids);
    for (const auto& file : std::filesystem::directory_iterator(OVERLAYS_SOURCE_DIR "/data/grids/nadcon"))
      std::filesystem::copy_file(file.path(), grids / file.path().filename());
  }

  std::vector<std::string> Args(std::vector<std::string> args) const {
    args.insert(args.begin(), command_.begin(), command_.end());
    args.insert(args.begin(), {"--root", root_.Path().string()});
    return args;
  }

  testing_support::TempFolder root_;

 private:
  std::vector<std::string> command_;
};
