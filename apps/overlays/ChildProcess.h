#pragma once
// Runs this same program again with other arguments and collects what it
// prints, so that a command can show another command's real output.

#include <string>
#include <vector>

namespace host {

struct ChildOutput {
  int status = 0;  // the exit status; 128 + the signal when one ended it
  std::string out;
  std::string err;
};

class ChildProcess {
 public:
  // Runs /proc/self/exe with `args` (without the program name) and waits
  // for it; throws CommandError when it cannot be started.
  static ChildOutput RunSelf(const std::vector<std::string>& args);
};

}  // namespace host
