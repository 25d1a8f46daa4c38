#pragma once
// The widgets that mirror the windows of the window system, keyed by
// handle. Changes are many (a list of 10,000 rows fires 10,000 of them), so
// a change only marks its window; the marked windows are synced once, on
// the next turn of Qt's event loop or before a modal loop waits.

#include <QHash>
#include <QSet>

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/WinConstants.h"

class CWnd;
class QObject;
class QWidget;

namespace platform::qt {

class ControlView;

class WindowMirror {
 public:
  // `watch` is called with each widget that takes input.
  using Watch = std::function<void(QWidget*)>;
  explicit WindowMirror(Watch watch);
  ~WindowMirror();
  WindowMirror(const WindowMirror&) = delete;
  WindowMirror& operator=(const WindowMirror&) = delete;

  // Makes the window's view (and, for a window created before the mirror,
  // its children's).
  void Add(CWnd& window);
  void Remove(CWnd& window);
  void MarkChanged(CWnd& window);
  void MarkFocusChanged() { focusChanged_ = true; }
  bool HasChanges() const { return !changed_.isEmpty() || focusChanged_; }
  // Syncs every marked window, then Qt's focus with the window system's.
  void SyncChanged();

  ControlView* ViewOf(HWND handle) const;
  // The window whose view takes input through `part`, or null.
  HWND HandleOfPart(const QObject* part) const;
  QWidget* WidgetOf(const CWnd& window) const;
  // The tip a tool-tip control holds for the window, empty for none. Tips
  // are read when Qt is about to show one, so a tip added or changed at
  // any time shows as it stands.
  std::string ToolTipOf(const CWnd& window) const;

 private:
  QWidget* ParentWidgetOf(const CWnd& window) const;
  void SyncOne(HWND handle);
  void SyncFocus();

  Watch watch_;
  QHash<HWND, std::shared_ptr<ControlView>> views_;
  QHash<const QObject*, HWND> parts_;
  QSet<HWND> changed_;
  // Tool-tip controls have no widget; Qt shows their tips.
  QSet<HWND> toolTips_;
  bool focusChanged_ = false;
};

}  // namespace platform::qt
