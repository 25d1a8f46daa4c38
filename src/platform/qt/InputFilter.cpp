#include "platform/qt/InputFilter.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include "platform/qt/AnsiText.h"
#include "platform/qt/ControlView.h"
#include "platform/qt/KeyMap.h"
#include "platform/qt/WindowMirror.h"
#include "platform/ui/Input.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {

InputFilter::InputFilter(WindowMirror& mirror) : mirror_(mirror) {}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
  const HWND handle = mirror_.HandleOfPart(watched);
  CWnd* window = handle ? CWnd::FromHandle(handle) : nullptr;
  if (!window) return QObject::eventFilter(watched, event);
  const bool taken = Deliver(*window, watched, *event);
  if (taken) mirror_.SyncChanged();
  return taken;
}

void InputFilter::ShowToolTip(const CWnd& window, const QHelpEvent& event) {
  const std::string text = mirror_.ToolTipOf(window);
  if (text.empty()) {
    QToolTip::hideText();
    return;
  }
  QToolTip::showText(event.globalPos(), FromAnsi(text), mirror_.WidgetOf(window));
}

bool InputFilter::Deliver(CWnd& window, QObject* watched, QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress: {
      const WindowKey key = WindowKeyOf(static_cast<QKeyEvent&>(event));
      if (key.virtualKey) platform::ui::DeliverKeyStroke(window, key.virtualKey, key.character, key.modifiers);
      return true;
    }
    case QEvent::KeyRelease:
      return true;
    case QEvent::MouseMove: {
      const QPoint point = static_cast<QMouseEvent&>(event).position().toPoint();
      platform::ui::DeliverMouseMove(&window, CPoint{point.x(), point.y()});
      // Taken, or Qt hands it on to the parent widget, and the window
      // system would hear that the mouse left this window for its parent.
      return true;
    }
    case QEvent::Leave:
      platform::ui::DeliverMouseMove(nullptr, CPoint{});
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
      ControlView* view = mirror_.ViewOf(window.m_hWnd);
      return view && view->DeliverMouse(window, watched, static_cast<QMouseEvent&>(event));
    }
    case QEvent::ToolTip:
      ShowToolTip(window, static_cast<QHelpEvent&>(event));
      return true;
    case QEvent::Close:
      // The close button asks the window; the window decides whether it goes.
      event.ignore();
      window.SendMessage(WM_CLOSE);
      return true;
    default:
      return false;
  }
}

}  // namespace platform::qt
