#pragma once
// Runs the command-line host as a user would and captures what it prints.

#include <string>
#include <vector>

namespace testing_support {

struct CliResult {
  int status = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

CliResult RunCli(const std::vector<std::string>& args);

inline bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace testing_support
