#pragma once
// A tab control (a property sheet's tabs) as a tab bar; a click on a tab
// chooses it as a user does, which the sheet may refuse.

#include "platform/qt/ControlView.h"

namespace platform::qt {

class TabView : public ControlView {
 public:
  TabView(CWnd& window, QWidget* parent);
  bool DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) override;

 protected:
  void SyncContent(CWnd& window) override;
};

}  // namespace platform::qt
