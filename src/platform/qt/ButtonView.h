#pragma once
// Push buttons, check boxes, radio buttons and group boxes as their Qt
// counterparts; an owner-drawn button (a colour button) shows what its
// owner draws.

#include "platform/qt/ControlView.h"

class QWidget;

namespace platform::qt {

class ButtonView : public ControlView {
 public:
  ButtonView(CWnd& window, QWidget* parent);

 protected:
  void SyncContent(CWnd& window) override;
};

}  // namespace platform::qt
