#pragma once
// Static text and pictures as a label.

#include "platform/qt/ControlView.h"

namespace platform::qt {

class StaticView : public ControlView {
 public:
  StaticView(CWnd& window, QWidget* parent);

 protected:
  void SyncContent(CWnd& window) override;
};

}  // namespace platform::qt
