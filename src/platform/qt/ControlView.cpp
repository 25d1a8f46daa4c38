#include "platform/qt/ControlView.h"

#include <QMouseEvent>
#include <QWidget>

#include "platform/qt/ControlColours.h"
#include "platform/qt/FontMap.h"
#include "platform/ui/Input.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {

ControlView::ControlView(HWND handle, QWidget* widget) : handle_(handle), widget_(widget) {}

// The widget goes with its Qt parent when the parent's view goes first;
// otherwise it is deleted later, since the window may be destroyed while
// one of the widget's own events is being handled.
ControlView::~ControlView() {
  if (!widget_) return;
  widget_->hide();
  widget_->deleteLater();
}

bool ControlView::IsTopLevel() const { return widget_->isWindow(); }

void ControlView::Sync(CWnd& window) {
  SyncGeometry(window);
  widget_->setEnabled(window.IsWindowEnabled());
  widget_->setFont(QtFont(window.GetFont()));
  SyncContent(window);
  ApplyControlColours(window, *widget_);
  widget_->setVisible((window.GetStyle() & WS_VISIBLE) != 0);
}

void ControlView::SyncGeometry(CWnd& window) {
  CRect rect;
  window.GetWindowRect(&rect);
  if (IsTopLevel()) {
    widget_->resize(rect.Width(), rect.Height());
    return;
  }
  widget_->setGeometry(rect.left, rect.top, rect.Width(), ShownHeight(rect.Height()));
}

bool ControlView::DeliverMouse(CWnd& window, QObject*, QMouseEvent& event) {
  DeliverMouseAt(window, event, event.position().toPoint());
  return true;
}

UINT ControlView::MouseMessage(const QMouseEvent& event) {
  const bool right = event.button() == Qt::RightButton;
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      return right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    case QEvent::MouseButtonDblClick:
      return right ? WM_RBUTTONDOWN : WM_LBUTTONDBLCLK;
    default:
      return right ? WM_RBUTTONUP : WM_LBUTTONUP;
  }
}

WPARAM ControlView::MouseKeys(const QMouseEvent& event) {
  WPARAM keys = 0;
  if (event.buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
  if (event.buttons() & Qt::RightButton) keys |= MK_RBUTTON;
  if (event.modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (event.modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

void ControlView::DeliverMouseAt(CWnd& window, const QMouseEvent& event, QPoint clientPoint) {
  platform::ui::DeliverInput(window, MouseMessage(event), MouseKeys(event), CPoint{clientPoint.x(), clientPoint.y()}.ToLParam());
}

}  // namespace platform::qt
