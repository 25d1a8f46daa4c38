#pragma once
// The chart as the window system sees it: the module's dialogs ask the host
// to draw the chart again by posting their redraw message to a window, so
// the chart has a window of the window system that hears that message and
// repaints the chart on screen. It is never shown.

#include <functional>

#include "platform/ui/Wnd.h"

namespace desktop {

class ChartRedrawWindow : public CWnd {
 public:
  // `redraw` runs on the user interface thread for each request.
  explicit ChartRedrawWindow(std::function<void()> redraw);
  ~ChartRedrawWindow() override;
  ChartRedrawWindow(const ChartRedrawWindow&) = delete;
  ChartRedrawWindow& operator=(const ChartRedrawWindow&) = delete;

  const MessageMap& GetMessageMap() const override;

 private:
  LRESULT OnRedrawChart(WPARAM, LPARAM);

  std::function<void()> redraw_;
};

}  // namespace desktop
