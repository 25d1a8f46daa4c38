#pragma once
// Edit and rich edit controls: a line edit, or a plain text edit for the
// multi-line ones, showing the control's text, selection and caret.

#include "platform/qt/ControlView.h"

namespace platform::qt {

class EditView : public ControlView {
 public:
  EditView(CWnd& window, QWidget* parent);
  QList<QWidget*> InputParts() const override;
  // A click lands on the character Qt shows under the pointer: the edit is
  // told the point where its own measure puts that character.
  bool DeliverMouse(CWnd& window, QObject* part, QMouseEvent& event) override;

 protected:
  void SyncContent(CWnd& window) override;

 private:
  // The index in the window's text of the character Qt shows at `point`.
  int CharacterAt(const CWnd& window, QPoint point) const;
};

}  // namespace platform::qt
