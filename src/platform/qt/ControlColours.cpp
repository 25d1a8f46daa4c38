#include "platform/qt/ControlColours.h"

#include <QPalette>
#include <QWidget>

#include <span>

#include "platform/qt/DrawOpPainter.h"
#include "platform/ui/Brush.h"
#include "platform/ui/DC.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {
namespace {

using platform::ui::ControlKind;

// Nothing answers with this: a text colour still holding it was not chosen.
constexpr COLORREF kNoTextColour = 0xFFFFFFFF;

bool IsLabelLikeButton(const CWnd& button) {
  switch (button.GetStyle() & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_GROUPBOX:
      return true;
    default:
      return false;
  }
}

// The message a window's colours are asked with; 0 for a window that keeps
// Qt's (push buttons, lists, combo boxes and the other common controls).
UINT ColourQuery(const CWnd& window) {
  if (!window.IsControl()) return WM_CTLCOLORDLG;
  switch (window.Kind()) {
    case ControlKind::Static:
      return WM_CTLCOLORSTATIC;
    case ControlKind::Edit:
    case ControlKind::RichEdit:
      // The platform asks for a read-only or disabled field as for a label.
      return (window.GetStyle() & ES_READONLY) || !window.IsWindowEnabled() ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    case ControlKind::ListBox:
      return WM_CTLCOLORLISTBOX;
    case ControlKind::Button:
      return IsLabelLikeButton(window) ? WM_CTLCOLORSTATIC : 0;
    default:
      return 0;
  }
}

// Qt's widgets fill and write in different roles (a label in Window, a
// field in Base, a check box in Button), so a control's answer goes to all
// of them. A dialog's goes to Window alone: its children would inherit the
// others and every field and push button would take the dialog's colour.
constexpr QPalette::ColorRole kControlBackgrounds[] = {QPalette::Window, QPalette::Base, QPalette::Button};
constexpr QPalette::ColorRole kControlTexts[] = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText};

void SetRoles(QPalette& palette, std::span<const QPalette::ColorRole> roles, COLORREF colour) {
  for (QPalette::ColorRole role : roles) palette.setColor(role, QtColour(colour));
}

}  // namespace

void ApplyControlColours(CWnd& window, QWidget& widget) {
  const UINT query = ColourQuery(window);
  CWnd* asked = window.IsControl() ? window.GetParent() : &window;
  if (!query || !asked) return;
  CDC dc;
  dc.SetTextColor(kNoTextColour);
  const auto* brush = reinterpret_cast<const CBrush*>(
      asked->SendMessage(query, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(&window)));
  // Only the roles answered are set; the rest, and everything once no brush
  // comes, is inherited from the parent widget as it changes.
  QPalette palette;
  if (brush) {
    const std::span<const QPalette::ColorRole> backgrounds(kControlBackgrounds);
    SetRoles(palette, window.IsControl() ? backgrounds : backgrounds.first(1), brush->Colour());
    if (dc.GetTextColor() != kNoTextColour) SetRoles(palette, kControlTexts, dc.GetTextColor());
  }
  widget.setPalette(palette);
  widget.setAutoFillBackground(brush != nullptr || !window.IsControl());
}

}  // namespace platform::qt
