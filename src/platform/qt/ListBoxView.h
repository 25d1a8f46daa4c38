#pragma once
// A list box: its rows and selection; a click chooses the row under it.

#include "platform/qt/ControlView.h"

namespace platform::qt {

class ListBoxView : public ControlView {
 public:
  ListBoxView(CWnd& window, QWidget* parent);
  QList<QWidget*> InputParts() const override;
  bool DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) override;

 protected:
  void SyncContent(CWnd& window) override;
};

}  // namespace platform::qt
