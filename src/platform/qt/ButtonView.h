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
  // A button whose class paints its face (a colour button on a template's
  // plain push button) shows that face from the first paint it makes.
  bool Fits(CWnd& window) const override;

 protected:
  void SyncContent(CWnd& window) override;

 private:
  enum class Face { Push, Check, Radio, Group, Painted };
  static Face FaceOf(CWnd& window);
  static QWidget* MakeWidget(Face face, HWND handle, QWidget* parent);

  Face face_;
};

}  // namespace platform::qt
