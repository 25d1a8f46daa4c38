#pragma once
// The module asks for the fonts of its original desktop (the dialog font,
// Tahoma, MS Serif); this picks the installed face that measures most like
// each, at the same pixel height, so that text fits the rectangles the
// templates give it.

#include <QFont>

class CFont;
struct LOGFONT;

namespace platform::qt {

QFont QtFont(const LOGFONT& font);
// A window without a font of its own shows the dialog font.
QFont QtFont(const CFont* font);

}  // namespace platform::qt
