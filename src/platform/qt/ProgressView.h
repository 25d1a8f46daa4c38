#pragma once
// A progress bar showing the control's range and position.

#include "platform/qt/ControlView.h"

namespace platform::qt {

class ProgressView : public ControlView {
 public:
  ProgressView(CWnd& window, QWidget* parent);

 protected:
  void SyncContent(CWnd& window) override;
};

}  // namespace platform::qt
