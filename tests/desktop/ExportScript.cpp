#include "desktop/ExportScript.h"

#include <exception>

#include <gtest/gtest.h>

#include "desktop/DesktopSession.h"
#include "desktop/UserInput.h"
#include "platform/ui/Dialog.h"

namespace desktop_test {

using platform::ui::Driver;
using platform::ui::ModalTurn;

namespace {

CDialog* OpenDialog(HWND handle) {
  auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandle(handle));
  return dialog && !dialog->IsEnded() ? dialog : nullptr;
}

}  // namespace

ExportScript::ExportScript(DesktopSession& session, std::vector<DialogStep> steps)
    : session_(session), steps_(std::move(steps)), automation_([this](Driver& d) {
        if (!d.IsMenu() && d.Turn() == ModalTurn::Started) Started(d);
      }) {
  patience_.setSingleShot(true);
  QObject::connect(&patience_, &QTimer::timeout, [this] { GiveUp(); });
}

ExportScript::~ExportScript() {
  EXPECT_EQ(next_, steps_.size()) << "dialogs that never opened";
  std::size_t actions = 0;
  for (const DialogStep& step : steps_) actions += step.actions.size();
  EXPECT_EQ(actionsRun_, actions) << "actions that never ran: their dialog had ended";
}

void ExportScript::Started(Driver& d) {
  opened_.push_back(d.Dialog().m_hWnd);
  patience_.start(DesktopSession::kPatienceMs);
  if (next_ == steps_.size()) {
    ADD_FAILURE() << "a dialog opened out of turn: \"" << d.Caption() << "\"";
    return d.End(IDCANCEL);
  }
  const DialogStep& step = steps_[next_++];
  SCOPED_TRACE(step.screenshot);
  EXPECT_EQ(d.TemplateId(), step.templateId) << "\"" << d.Caption() << "\"";
  UserInput(session_, d).Photograph(step.screenshot);
  RunAction(d.Dialog().m_hWnd, step, 0);
}

void ExportScript::RunAction(HWND handle, const DialogStep& step, std::size_t action) {
  if (action == step.actions.size()) return;
  const auto run = [this, handle, &step, action] {
    SCOPED_TRACE(step.screenshot + " action " + std::to_string(action));
    CDialog* dialog = OpenDialog(handle);
    if (!dialog) return;
    Driver d(*dialog, ModalTurn::Idle);
    UserInput user(session_, d);
    // Nothing may leave through Qt's loop: a control the user cannot reach
    // fails the test and ends its dialog.
    try {
      step.actions[action](user);
    } catch (const std::exception& e) {
      ADD_FAILURE() << e.what();
      return dialog->EndDialog(DesktopSession::kGaveUp);
    }
    ++actionsRun_;
    RunAction(handle, step, action + 1);
  };
  if (action == 0 && step.firstAtOnce) return run();
  QTimer::singleShot(0, &patience_, run);
}

// Ends the innermost dialog still open; an outer one gets its own time.
void ExportScript::GiveUp() {
  while (!opened_.empty()) {
    CDialog* dialog = OpenDialog(opened_.back());
    opened_.pop_back();
    if (!dialog) continue;
    ADD_FAILURE() << "\"" << dialog->GetWindowText() << "\" was still open after " << DesktopSession::kPatienceMs
                  << " ms";
    dialog->EndDialog(DesktopSession::kGaveUp);
    patience_.start(DesktopSession::kPatienceMs);
    return;
  }
}

}  // namespace desktop_test
