#pragma once
// Which view shows which window: one maker a window class.

#include <memory>

class CWnd;
class QWidget;

namespace platform::qt {

class ControlView;

// Null for a window that is shown as part of another one (a report list's
// header).
std::unique_ptr<ControlView> MakeView(CWnd& window, QWidget* parent);

}  // namespace platform::qt
