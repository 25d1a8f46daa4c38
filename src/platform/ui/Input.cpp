#include "platform/ui/Input.h"

#include <utility>

#include "platform/ui/Dialog.h"
#include "platform/ui/MessageQueue.h"

namespace platform::ui {
namespace {

CWnd* ParentOfChild(const CWnd* w) { return (w->GetStyle() & WS_CHILD) ? w->GetParent() : nullptr; }

bool ReachesUser(const CWnd& target) {
  for (const CWnd* w = &target; w; w = ParentOfChild(w))
    if (!w->IsWindowEnabled()) return false;
  return true;
}

CDialog* DialogOf(CWnd& target) {
  CWnd* top = &target;
  while (CWnd* parent = ParentOfChild(top)) top = parent;
  return dynamic_cast<CDialog*>(top);
}

// The window under the mouse, so that moving off it can tell it.
HWND& Hovered() {
  thread_local HWND hovered = nullptr;
  return hovered;
}

}  // namespace

void DeliverInput(CWnd& target, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageQueue::NoteActivity();
  if (!ReachesUser(target)) return;
  MSG msg{target.m_hWnd, message, wParam, lParam};
  for (CWnd* w = &target; w; w = ParentOfChild(w))
    if (w->PreTranslateMessage(&msg)) return;
  if (CDialog* dialog = DialogOf(target); dialog && dialog->m_hWnd && dialog->IsDialogMessage(&msg)) return;
  if (CWnd* window = CWnd::FromHandle(msg.hwnd)) window->SendMessage(msg.message, msg.wParam, msg.lParam);
}

void DeliverKeyStroke(CWnd& target, UINT virtualKey, char character, Modifiers modifiers) {
  SetModifierKeys(modifiers.shift, modifiers.control);
  const HWND handle = target.m_hWnd;
  DeliverInput(target, WM_KEYDOWN, virtualKey, 1);
  // The key may have moved the focus or closed the window.
  if (CWnd* still = CWnd::FromHandle(handle); still && character)
    DeliverInput(*still, WM_CHAR, static_cast<unsigned char>(character), 1);
  if (CWnd* still = CWnd::FromHandle(handle)) DeliverInput(*still, WM_KEYUP, virtualKey, 1);
  SetModifierKeys(false, false);
}

void DeliverMouseMove(CWnd* window, CPoint point, WPARAM keys) {
  HWND& hovered = Hovered();
  const HWND now = window ? window->m_hWnd : nullptr;
  if (hovered != now) {
    const HWND left = std::exchange(hovered, now);
    if (HWND tracked = TakeMouseLeaveTarget(left))
      if (CWnd* leaving = CWnd::FromHandle(tracked)) DeliverInput(*leaving, WM_MOUSELEAVE, 0, 0);
  }
  if (window) DeliverInput(*window, WM_MOUSEMOVE, keys, point.ToLParam());
}

}  // namespace platform::ui
