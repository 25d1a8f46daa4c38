#include "controls/StandardColours.h"

#include <algorithm>

int StandardColourIndex(COLORREF value) {
  auto it = std::find_if(kStandardColours.begin(), kStandardColours.end(),
                         [value](const StandardColourDef& c) { return c.value == value; });
  return it == kStandardColours.end() ? 0 : static_cast<int>(it - kStandardColours.begin());
}

COLORREF StandardColourValue(int index) {
  return index >= 0 && index < static_cast<int>(kStandardColours.size())
             ? kStandardColours[static_cast<std::size_t>(index)].value
             : 0;
}
