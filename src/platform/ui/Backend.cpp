#include "platform/ui/Backend.h"

#include <atomic>
#include <thread>

#include "platform/ui/DC.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Wnd.h"

namespace platform::ui {
namespace {

struct Installed {
  std::atomic<Backend*> backend{nullptr};
  std::atomic<std::thread::id> thread{};
};

Installed& TheInstalled() {
  static Installed installed;
  return installed;
}

}  // namespace

Backend::~Backend() = default;

Backend* InstallBackend(Backend* backend) {
  Installed& installed = TheInstalled();
  installed.thread = std::this_thread::get_id();
  return installed.backend.exchange(backend);
}

Backend* CurrentBackend() {
  Installed& installed = TheInstalled();
  Backend* backend = installed.backend.load();
  return backend && installed.thread.load() == std::this_thread::get_id() ? backend : nullptr;
}

void NotifyCreated(CWnd& window) {
  if (Backend* backend = CurrentBackend()) backend->Created(window);
}

void NotifyChanged(CWnd& window, WindowChange change) {
  if (!window.m_hWnd) return;
  if (Backend* backend = CurrentBackend()) backend->Changed(window, change);
}

void NotifyDestroyed(CWnd& window) {
  if (Backend* backend = CurrentBackend()) backend->Destroyed(window);
}

void WakeBackend() {
  if (Backend* backend = TheInstalled().backend.load()) backend->Wake();
}

std::optional<Millis> PumpMessages() {
  for (;;) {
    if (MessageQueue::ServeSent()) continue;
    MSG msg;
    if (MessageQueue::TakePosted(msg) || MessageQueue::TakeDueTimer(CurrentClock().Now(), msg)) {
      DispatchMessage(msg);
      continue;
    }
    return MessageQueue::NextTimerDue();
  }
}

bool PaintWindow(CWnd& window, CDC& dc) {
  const std::size_t before = dc.Operations().size();
  window.SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(&dc));
  return dc.Operations().size() > before;
}

bool DrawOwnerItem(CWnd& control, UINT item, const CRect& rect, UINT state, CDC& dc) {
  CWnd* parent = control.GetParent();
  if (!parent || !control.m_hWnd) return false;
  const std::size_t before = dc.Operations().size();
  DRAWITEMSTRUCT draw;
  draw.CtlType = control.IsControl() ? ODT_BUTTON : ODT_HEADER;
  draw.CtlID = static_cast<UINT>(control.GetDlgCtrlID());
  draw.itemID = item;
  draw.itemAction = ODA_DRAWENTIRE;
  draw.itemState = state;
  draw.hwndItem = control.m_hWnd;
  draw.pDC = &dc;
  draw.rcItem = rect;
  parent->SendMessage(WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
  return dc.Operations().size() > before;
}

}  // namespace platform::ui
