#include "ChartRedrawWindow.h"

#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"

namespace desktop {
namespace {

const UINT UM_REDRAW_CHART = platform::ui::RegisterWindowMessage(messages::kRedrawChart);

}  // namespace

ChartRedrawWindow::ChartRedrawWindow(std::function<void()> redraw) : redraw_(std::move(redraw)) {
  Create("Chart", WS_POPUP, CRect(0, 0, 0, 0), nullptr, 0);
}

// Destroyed here rather than by the base, which destroys without telling
// the backend, so that the backend forgets the window with it.
ChartRedrawWindow::~ChartRedrawWindow() { DestroyWindow(); }

const MessageMap& ChartRedrawWindow::GetMessageMap() const {
  using H = Handlers<ChartRedrawWindow>;
  static const MessageMap map(&CWnd::GetMessageMap(), {H::Registered(UM_REDRAW_CHART, &ChartRedrawWindow::OnRedrawChart)});
  return map;
}

LRESULT ChartRedrawWindow::OnRedrawChart(WPARAM, LPARAM) {
  redraw_();
  return 0;
}

}  // namespace desktop
