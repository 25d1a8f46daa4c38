#include "platform/qt/WindowView.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/PaintedWidget.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {
namespace {

QWidget* MakeWindowWidget(CWnd& window, QWidget* parent) {
  const HWND handle = window.m_hWnd;
  auto* widget = new PaintedWidget(parent, [handle](CDC& dc, QSize) {
    if (CWnd* painted = CWnd::FromHandle(handle)) platform::ui::PaintWindow(*painted, dc);
  });
  widget->setAutoFillBackground(true);
  if (!parent) widget->setWindowFlags(Qt::Dialog);
  return widget;
}

}  // namespace

WindowView::WindowView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, MakeWindowWidget(window, parent)) {}

void WindowView::SyncContent(CWnd& window) {
  if (IsTopLevel()) {
    Widget()->setWindowTitle(FromAnsi(window.GetWindowText()));
    // A modal dialog's loop takes the user's input for it alone; Qt keeps
    // the other windows from it (set before the window shows).
    const auto* dialog = dynamic_cast<const CDialog*>(&window);
    if (!Widget()->isVisible())
      Widget()->setWindowModality(dialog && dialog->IsModal() ? Qt::ApplicationModal : Qt::NonModal);
  }
  Widget()->update();
}

}  // namespace platform::qt
