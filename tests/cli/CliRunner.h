#pragma once
// Runs the command-line host as a user would and captures what it prints.

#include <string>
#include <vector>

#include "support/ProgramRunner.h"

namespace testing_support {

using CliResult = ProgramResult;

// `input` is what the host reads on standard input (nothing when empty).
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {});

inline bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The lines of a text, without their line breaks.
std::vector<std::string> Lines(const std::string& text);

// One row of a command-line table: what is typed, the exit status, and a
// part of what standard output and standard error must show (empty: any).
struct CliCase {
  std::vector<std::string> args;
  int status = 0;
  std::string out;
  std::string err;
};

// Runs the row and checks it. A failure must also say what is wrong in one
// line on standard error (a second line may only point at --help).
CliResult ExpectCli(const CliCase& row);

}  // namespace testing_support
