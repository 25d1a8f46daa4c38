#pragma once
// The object the window system makes for a template control of each kind,
// until a module class subclasses it.

#include <memory>

#include "platform/ui/DialogTemplate.h"

class CWnd;

namespace platform::ui {

std::unique_ptr<CWnd> MakeControl(ControlKind kind);

}  // namespace platform::ui
