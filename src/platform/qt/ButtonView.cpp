#include "platform/qt/ButtonView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/AnsiText.h"
#include "platform/qt/PaintedWidget.h"
#include "platform/ui/Backend.h"
#include "platform/ui/DC.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {
namespace {

UINT OwnerDrawState(CWnd& button) {
  UINT state = button.IsWindowEnabled() ? 0 : ODS_DISABLED;
  if (button.SendMessage(BM_GETSTATE) & BST_PUSHED) state |= ODS_SELECTED;
  if (CWnd::GetFocus() == &button) state |= ODS_FOCUS;
  return state;
}

// The window's WM_PAINT first; a button that paints nothing there is drawn
// by its owner (WM_DRAWITEM), as the platform does for BS_OWNERDRAW.
QWidget* OwnerDrawnFace(HWND handle, QWidget* parent) {
  return new PaintedWidget(parent, [handle](CDC& dc, QSize size) {
    CWnd* button = CWnd::FromHandle(handle);
    if (!button) return;
    if (!platform::ui::PaintWindow(*button, dc))
      platform::ui::DrawOwnerItem(*button, 0, CRect(0, 0, size.width(), size.height()), OwnerDrawState(*button), dc);
  });
}

bool PaintsItself(CWnd& button) {
  CDC scratch;
  return platform::ui::PaintWindow(button, scratch);
}

}  // namespace

ButtonView::Face ButtonView::FaceOf(CWnd& window) {
  switch (window.GetStyle() & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
      return Face::Check;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return Face::Radio;
    case BS_GROUPBOX:
      return Face::Group;
    case BS_OWNERDRAW:
      return Face::Painted;
    default:
      return PaintsItself(window) ? Face::Painted : Face::Push;
  }
}

QWidget* ButtonView::MakeWidget(Face face, HWND handle, QWidget* parent) {
  switch (face) {
    case Face::Check:
      return new QCheckBox(parent);
    case Face::Radio:
      return new QRadioButton(parent);
    case Face::Group:
      return new QGroupBox(parent);
    case Face::Painted:
      return OwnerDrawnFace(handle, parent);
    default:
      return new QPushButton(parent);
  }
}

ButtonView::ButtonView(CWnd& window, QWidget* parent)
    : ControlView(window.m_hWnd, MakeWidget(FaceOf(window), window.m_hWnd, parent)), face_(FaceOf(window)) {}

bool ButtonView::Fits(CWnd& window) const { return FaceOf(window) == face_; }

void ButtonView::SyncContent(CWnd& window) {
  const QString text = FromAnsi(window.GetWindowText());
  if (auto* group = qobject_cast<QGroupBox*>(Widget())) {
    group->setTitle(text);
    return;
  }
  auto* button = qobject_cast<QAbstractButton*>(Widget());
  if (!button) {
    Widget()->update();
    return;
  }
  button->setText(text);
  button->setCheckable(!qobject_cast<QPushButton*>(button));
  button->setChecked(window.SendMessage(BM_GETCHECK) == BST_CHECKED);
  button->setDown((window.SendMessage(BM_GETSTATE) & BST_PUSHED) != 0);
  if (auto* push = qobject_cast<QPushButton*>(button))
    push->setDefault((window.GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
}

}  // namespace platform::qt
