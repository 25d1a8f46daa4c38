#pragma once
// Works the dialogs that an export opens, in the order they open: each one
// is checked against its window tree (WindowTreeCheck), photographed as
// <screenshot>.png with its specified colours probed, and then worked by
// its step's actions through real Qt input (UserInput). Each action runs
// on a turn of its own of Qt's loop while the dialog's modal loop waits, as
// a user's moves arrive, so that what one action posts is handled before
// the next. A dialog that opens out of turn fails the test and is
// cancelled; one that nothing ends within DesktopSession::kPatienceMs is
// ended with kGaveUp, so that a broken input path fails the test instead of
// hanging it.

#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Automation.h"

namespace desktop_test {

class DesktopSession;
class UserInput;

struct DialogStep {
  using Action = std::function<void(UserInput&)>;
  UINT templateId;  // 0 for dialogs built by code (message boxes, the property sheet)
  std::string screenshot;
  std::vector<Action> actions;
  // The first action runs before the dialog's loop has taken a single
  // message (a press on Quit before a worker can have finished).
  bool firstAtOnce = false;
};

class ExportScript {
 public:
  ExportScript(DesktopSession& session, std::vector<DialogStep> steps);
  ~ExportScript();
  ExportScript(const ExportScript&) = delete;
  ExportScript& operator=(const ExportScript&) = delete;

 private:
  void Started(platform::ui::Driver& d);
  void RunAction(HWND dialog, const DialogStep& step, std::size_t action);
  void GiveUp();

  DesktopSession& session_;
  std::vector<DialogStep> steps_;
  std::size_t next_ = 0;
  std::size_t actionsRun_ = 0;
  std::vector<HWND> opened_;
  QTimer patience_;
  platform::ui::ScopedAutomation automation_;
};

}  // namespace desktop_test
