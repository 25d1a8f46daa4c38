#pragma once
// The 28 named standard colours every colour choice of the module offers,
// in picker order, and the five line styles by pen style. One table each,
// shared by the pickers, the settings dialogs and the popup menus.

#include <array>
#include <string_view>

#include "platform/ui/WinTypes.h"

struct StandardColourDef {
  std::string_view name;
  COLORREF value;  // 0x00BBGGRR
};

inline constexpr std::array<StandardColourDef, 28> kStandardColours = {{
    {"Black", 0x000000},        {"Red", 0x0000FF},         {"Yellow", 0x00FFFF},       {"Green", 0x00FF00},
    {"Cyan", 0xFFFF00},         {"Blue", 0xFF0000},        {"Magenta", 0xFF00FF},      {"Bright White", 0xFFFFFF},
    {"Grey", 0x808080},         {"White", 0xC0C0C0},       {"Pink", 0x8080FF},         {"Dark Red", 0x000080},
    {"Orange", 0x0080FF},       {"Light Yellow", 0x80FFFF}, {"Brown", 0x008080},       {"Lime Green", 0x00FF80},
    {"Light Green", 0x80FF80},  {"Dark Green", 0x008000},  {"Emerald Green", 0x80FF00}, {"Light Cyan", 0xFFFF80},
    {"Dark Cyan", 0x808000},    {"Turquoise", 0xFF8000},   {"Light Blue", 0xFF8080},   {"Dark Blue", 0x800000},
    {"Purple", 0xFF0080},       {"Light Magenta", 0xFF80FF}, {"Dark Magenta", 0x800080}, {"Crimson", 0x8000FF},
}};

// Indexed by pen style 0 to 4.
inline constexpr std::array<std::string_view, 5> kLineStyleNames = {"Solid", "Dash", "Dot", "Dash Dot",
                                                                    "Dash Dot Dot"};

// The index of a colour by exact value; a colour not in the table gives 0.
int StandardColourIndex(COLORREF value);
// The colour of an index; an index outside 0..27 gives 0.
COLORREF StandardColourValue(int index);
