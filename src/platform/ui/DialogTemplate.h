#pragma once
// Dialog templates and bitmaps as data: what a resource file holds, written
// as constant records under res/ and found through the resource chain.

#include <span>
#include <string_view>

#include "platform/ui/WinConstants.h"

namespace platform::ui {

// The window class of a template control. The variants within a class
// (check box, group box, drop-down list, picture) are chosen by style bits,
// as the platform chooses them.
enum class ControlKind : BYTE {
  Static,
  Button,
  Edit,
  ComboBox,
  ComboBoxEx,
  ListBox,
  ListView,
  ProgressBar,
  TabControl,
  RichEdit,
};

// A rectangle in dialog units: origin and size.
struct DialogUnits {
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
};

struct DialogItemTemplate {
  int id = 0;
  ControlKind kind = ControlKind::Static;
  std::string_view text;
  DialogUnits rect;
  DWORD style = WS_CHILD | WS_VISIBLE;
  // A picture control's bitmap resource (SS_BITMAP), 0 for none.
  UINT image = 0;
};

struct DialogTemplate {
  UINT id = 0;
  std::string_view caption;
  DialogUnits rect;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  std::span<const DialogItemTemplate> items;
  std::string_view fontFace = "MS Shell Dlg";
  int fontPoints = 8;
};

struct BitmapResource {
  UINT id = 0;
  int width = 0;
  int height = 0;
  // width * height colour values, row by row from the top.
  std::span<const COLORREF> pixels;
};

// Dialog units to pixels with the base units of the 8-point dialog font at
// 96 dpi: 4 horizontal units are 6 pixels, 8 vertical units 13 pixels.
inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;
constexpr int PixelsFromUnitsX(int units) { return (units * kBaseUnitX + 2) / 4; }
constexpr int PixelsFromUnitsY(int units) { return (units * kBaseUnitY + 4) / 8; }

}  // namespace platform::ui
