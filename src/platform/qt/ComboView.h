#pragma once
// Combo boxes and extended combo boxes (with an image per entry). The
// drop-down list is Qt's own; the entry a user picks there is chosen in the
// control as a user's choice. Keys typed into the combo go to the control.

#include "platform/qt/ControlView.h"

namespace platform::qt {

class ComboView : public ControlView {
 public:
  ComboView(CWnd& window, QWidget* parent);
  QList<QWidget*> InputParts() const override;
  bool DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) override;

 protected:
  void SyncContent(CWnd& window) override;
  // A combo box's window is as high as its dropped list; closed, it shows
  // one line.
  int ShownHeight(int windowHeight) const override;

 private:
  bool syncing_ = false;
};

}  // namespace platform::qt
