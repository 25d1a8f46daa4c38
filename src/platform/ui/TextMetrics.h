#pragma once
// The headless text measure: every character of a font is the same width,
// half the font's height (6 pixels for the dialog font). Edits map clicks to
// characters with it and the module sizes columns and menu items with it;
// a GUI backend measures for real and the module does not notice.

#include <string_view>

#include "platform/ui/WinTypes.h"

class CFont;

namespace platform::ui {

int CharWidth(const CFont* font);
int LineHeight(const CFont* font);
CSize TextExtent(const CFont* font, std::string_view text);

}  // namespace platform::ui
