#include "platform/qt/WindowMirror.h"

#include <QWidget>

#include "platform/qt/ControlView.h"
#include "platform/qt/ViewFactory.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {

WindowMirror::WindowMirror(Watch watch) : watch_(std::move(watch)) {}

WindowMirror::~WindowMirror() = default;

QWidget* WindowMirror::ParentWidgetOf(const CWnd& window) const {
  const CWnd* parent = window.GetParent();
  if (!parent || !(window.GetStyle() & WS_CHILD)) return nullptr;
  ControlView* view = ViewOf(parent->m_hWnd);
  return view ? view->Container() : nullptr;
}

void WindowMirror::Add(CWnd& window) {
  if (!window.m_hWnd || views_.contains(window.m_hWnd)) return;
  if (dynamic_cast<CToolTipCtrl*>(&window)) {
    toolTips_.insert(window.m_hWnd);
    return;
  }
  std::shared_ptr<ControlView> view = MakeView(window, ParentWidgetOf(window));
  if (!view) return;
  for (QWidget* part : view->InputParts()) {
    parts_.insert(part, window.m_hWnd);
    watch_(part);
  }
  views_.insert(window.m_hWnd, std::move(view));
  changed_.insert(window.m_hWnd);
  for (CWnd* child : window.Children()) Add(*child);
}

void WindowMirror::Remove(CWnd& window) {
  toolTips_.remove(window.m_hWnd);
  auto found = views_.find(window.m_hWnd);
  if (found == views_.end()) return;
  for (QWidget* part : (*found)->InputParts()) parts_.remove(part);
  changed_.remove(window.m_hWnd);
  views_.erase(found);
}

void WindowMirror::MarkChanged(CWnd& window) {
  if (views_.contains(window.m_hWnd)) changed_.insert(window.m_hWnd);
}

void WindowMirror::SyncChanged() {
  // A sync may read state through messages whose handlers change windows
  // again; those are marked for the next turn.
  const QSet<HWND> changed = std::exchange(changed_, {});
  for (HWND handle : changed) SyncOne(handle);
  if (std::exchange(focusChanged_, false)) SyncFocus();
}

// A window whose look no longer fits its widget (a button that became
// owner-drawn) gets a new view.
void WindowMirror::SyncOne(HWND handle) {
  std::shared_ptr<ControlView> view = views_.value(handle);
  CWnd* window = CWnd::FromHandle(handle);
  if (!view || !window) return;
  if (!view->Fits(*window)) {
    Remove(*window);
    Add(*window);
    changed_.remove(handle);
    view = views_.value(handle);
    if (!view) return;
  }
  view->Sync(*window);
}

void WindowMirror::SyncFocus() {
  CWnd* focus = CWnd::GetFocus();
  if (QWidget* widget = focus ? WidgetOf(*focus) : nullptr) widget->setFocus(Qt::OtherFocusReason);
}

ControlView* WindowMirror::ViewOf(HWND handle) const { return views_.value(handle).get(); }

HWND WindowMirror::HandleOfPart(const QObject* part) const { return parts_.value(part, nullptr); }

QWidget* WindowMirror::WidgetOf(const CWnd& window) const {
  ControlView* view = ViewOf(window.m_hWnd);
  return view ? view->Widget() : nullptr;
}

std::string WindowMirror::ToolTipOf(const CWnd& window) const {
  for (HWND handle : toolTips_)
    if (const auto* tips = dynamic_cast<const CToolTipCtrl*>(CWnd::FromHandle(handle)))
      if (std::string text = tips->GetText(&window); !text.empty()) return text;
  return {};
}

}  // namespace platform::qt
