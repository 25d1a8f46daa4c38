#pragma once
// Re-checks the state of every control of a dialog after each message the
// window system dispatches: selections in range, counts that agree, a focus
// that is a live, visible, enabled window of the dialog. Tests install one
// for the life of a test and assert that it found nothing.
//
//   InvariantChecker checker;
//   ... run the dialog ...
//   EXPECT_THAT(checker.Problems(), IsEmpty());

#include <string>
#include <vector>

#include "frame/Api.h"

class CWnd;

namespace platform::ui {

// The problems of one window tree, now.
std::vector<std::string> CheckWindowTree(const CWnd& root);

class OVERLAYS_API InvariantChecker {
 public:
  InvariantChecker();
  ~InvariantChecker();
  InvariantChecker(const InvariantChecker&) = delete;
  InvariantChecker& operator=(const InvariantChecker&) = delete;

  // Each problem names the message after which it was seen.
  const std::vector<std::string>& Problems() const { return problems_; }
  int Checks() const { return checks_; }

 private:
  std::vector<std::string> problems_;
  int checks_ = 0;
};

}  // namespace platform::ui
