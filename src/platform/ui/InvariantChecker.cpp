#include "platform/ui/InvariantChecker.h"

#include <cstdio>

#include "platform/ui/Wnd.h"

namespace platform::ui {
namespace {

void CheckTree(const CWnd& window, std::vector<std::string>& problems) {
  window.CheckInvariants(problems);
  for (const CWnd* child : window.Children()) CheckTree(*child, problems);
}

void CheckFocus(const CWnd& root, std::vector<std::string>& problems) {
  const CWnd* focus = CWnd::GetFocus();
  if (!focus || (focus != &root && !focus->IsChildOf(&root))) return;
  const std::string name = "focus on " + std::to_string(focus->GetDlgCtrlID());
  if (!focus->m_hWnd) problems.push_back(name + ": a destroyed window");
  // A dialog being initialised is still hidden; its focus counts once shown.
  if (root.IsWindowVisible() && !focus->IsWindowVisible()) problems.push_back(name + ": a hidden window");
  if (!focus->IsWindowEnabled()) problems.push_back(name + ": a disabled window");
}

std::string MessageName(UINT message) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", message);
  return text;
}

}  // namespace

std::vector<std::string> CheckWindowTree(const CWnd& root) {
  std::vector<std::string> problems;
  CheckTree(root, problems);
  CheckFocus(root, problems);
  return problems;
}

InvariantChecker::InvariantChecker() {
  SetDispatchObserver([this](CWnd& window, const MSG& msg) {
    ++checks_;
    for (std::string& problem : CheckWindowTree(*window.GetTopLevelParent()))
      problems_.push_back("after message " + MessageName(msg.message) + ": " + problem);
  });
}

InvariantChecker::~InvariantChecker() { SetDispatchObserver(nullptr); }

}  // namespace platform::ui
