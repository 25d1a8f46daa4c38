#pragma once
// The widgets are views: a user's key presses, clicks and the close button
// never act on them directly. This filter hands them to the window system
// as its own input (Input.h) and lets the mirror sync what changed.

#include <QObject>

class CWnd;
class QHelpEvent;

namespace platform::qt {

class WindowMirror;

class InputFilter : public QObject {
 public:
  explicit InputFilter(WindowMirror& mirror);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Deliver(CWnd& window, QObject* watched, QEvent& event);
  void ShowToolTip(const CWnd& window, const QHelpEvent& event);

  WindowMirror& mirror_;
};

}  // namespace platform::qt
