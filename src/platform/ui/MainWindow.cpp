#include "platform/ui/MainWindow.h"

#include <atomic>

namespace platform::ui {
namespace {

// Read from worker threads too: a control on any thread may post to it.
std::atomic<HWND> mainWindow{nullptr};

}  // namespace

HWND MainWindow() { return mainWindow.load(); }

void SetMainWindow(HWND window) { mainWindow.store(window); }

}  // namespace platform::ui
