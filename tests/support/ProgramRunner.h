#pragma once
// Runs one of the hosts as a user would and captures what it prints.

#include <string>
#include <vector>

namespace testing_support {

struct ProgramResult {
  int status = -1;  // exit status, or 128 + the signal that ended it
  std::string out;  // standard output
  std::string err;  // standard error
};

// `input` is what the program reads on standard input (nothing when empty).
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = {});

}  // namespace testing_support
