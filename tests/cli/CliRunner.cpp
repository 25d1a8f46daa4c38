#include "CliRunner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/TestMachine.h"

extern char** environ;

namespace testing_support {

CliResult RunCli(const std::vector<std::string>& args, const std::string& input) {
  TempFolder capture;
  const auto inPath = capture.Path() / "in", outPath = capture.Path() / "out", errPath = capture.Path() / "err";
  if (!input.empty()) std::ofstream(inPath, std::ios::binary) << input;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.empty() ? "/dev/null" : inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<std::string> argv{OVERLAYS_CLI};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> cargv;
  for (auto& a : argv) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  pid_t pid = 0;
  CliResult result;
  if (posix_spawn(&pid, OVERLAYS_CLI, &actions, nullptr, cargv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = ReadHostFile(outPath).value_or("");
  result.err = ReadHostFile(errPath).value_or("");
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

CliResult ExpectCli(const CliCase& row) {
  std::string typed = "overlays";
  for (const auto& arg : row.args) typed += " " + arg;
  SCOPED_TRACE(typed);
  const CliResult r = RunCli(row.args);
  EXPECT_EQ(r.status, row.status) << r.err;
  EXPECT_TRUE(Contains(r.out, row.out)) << r.out;
  EXPECT_TRUE(Contains(r.err, row.err)) << r.err;
  if (row.status != 0) {
    const auto firstBreak = r.err.find('\n');
    EXPECT_NE(firstBreak, std::string::npos) << r.err;
    const std::string rest = r.err.substr(firstBreak + 1);
    EXPECT_TRUE(rest.empty() || (Contains(rest, "--help") && rest.find('\n') == rest.size() - 1)) << r.err;
  }
  return r;
}

}  // namespace testing_support
