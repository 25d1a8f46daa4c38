#pragma once
// The colours the module chooses for a window through WM_CTLCOLOR*: a
// dialog is asked itself, a control asks its parent, as the platform does.
// The answer's brush becomes the widget's background and a text colour set
// on the drawing context its text; no brush leaves Qt's own colours.

class CWnd;
class QWidget;

namespace platform::qt {

void ApplyControlColours(CWnd& window, QWidget& widget);

}  // namespace platform::qt
