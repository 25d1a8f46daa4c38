#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace testing_support {

CliResult RunCli(const std::vector<std::string>& args, const std::string& input) {
  return RunProgram(OVERLAYS_CLI, args, input);
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
