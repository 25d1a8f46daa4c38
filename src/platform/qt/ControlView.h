#pragma once
// The widget that shows one window of the window system. The window stays
// the truth: a view reads its state in Sync and never keeps state of its
// own, and a user's input on the widget is turned into the window system's
// messages (InputFilter) before the view is synced again. Views are keyed by
// handle, because the object behind a template control changes when the
// module subclasses it.

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "platform/ui/WinConstants.h"

class CWnd;
class QMouseEvent;
class QObject;

namespace platform::qt {

class ControlView {
 public:
  ControlView(HWND handle, QWidget* widget);
  virtual ~ControlView();
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  HWND Handle() const { return handle_; }
  QWidget* Widget() const { return widget_; }
  // Where the window's children are placed.
  virtual QWidget* Container() const { return widget_; }
  // The widgets whose input belongs to this window (a view's viewport too).
  virtual QList<QWidget*> InputParts() const { return {widget_}; }
  bool IsTopLevel() const;

  // False when the window's look now needs another kind of widget.
  virtual bool Fits(CWnd&) const { return true; }

  // Geometry, visibility, enabled state and font, then the control's own
  // content.
  void Sync(CWnd& window);

  // A mouse press, release or double-click on one of the input parts, as
  // the window system should hear it; false leaves the event to Qt.
  virtual bool DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event);

 protected:
  virtual void SyncContent(CWnd& window) = 0;
  // The height the widget shows of a window this high.
  virtual int ShownHeight(int windowHeight) const { return windowHeight; }
  // Delivers the mouse event at a point of the window's client area.
  static void DeliverMouseAt(CWnd& window, const QMouseEvent& event, QPoint clientPoint);
  // The window system's message for a mouse event, and its key flags.
  static UINT MouseMessage(const QMouseEvent& event);
  static WPARAM MouseKeys(const QMouseEvent& event);

 private:
  void SyncGeometry(CWnd& window);

  HWND handle_;
  // Guarded: a widget also goes with its Qt parent.
  QPointer<QWidget> widget_;
};

}  // namespace platform::qt
