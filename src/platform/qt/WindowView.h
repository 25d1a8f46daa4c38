#pragma once
// A window that is not a control: a dialog (a top-level window with its
// caption), a property page inside a sheet, or a window the module paints
// itself. It shows what the window paints (WM_PAINT) over the dialog
// face.

#include "platform/qt/ControlView.h"

namespace platform::qt {

class WindowView : public ControlView {
 public:
  WindowView(CWnd& window, QWidget* parent);

 protected:
  void SyncContent(CWnd& window) override;
};

}  // namespace platform::qt
