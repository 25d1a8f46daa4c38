#pragma once
// What the desktop host remembers of its chart between runs, in a settings
// file of its own ("Desktop Chart") as the module keeps its overlays'
// settings: the centre, the scale and each layer switched on or off, read
// back by position.

#include "chart/Chart.h"

namespace desktop {

inline constexpr char kChartSettingsGroup[] = "Desktop Chart";

// Writes the view and the layers in the chart's order; a file that cannot
// be written is left unwritten.
void SaveChartSettings(const chart::Chart& chart);
// Reads them back; false (the chart untouched) when there is no file. A
// missing line keeps its value.
bool LoadChartSettings(chart::Chart& chart);

}  // namespace desktop
