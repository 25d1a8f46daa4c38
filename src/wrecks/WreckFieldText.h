#pragma once
// The texts the wreck property sheet makes of a record's measured and coded
// fields. Lengths are metres with one decimal; a value that means "none"
// (0, or -1 for an orientation) adds nothing. Text is Windows-1252: the
// degree sign is the byte 0xB0.

#include <string>

#include "frame/Api.h"
#include "wrecks/WreckRecord.h"

// Sounding technique, depth or drying height, quality and accuracy on the
// first line; the water level and its effect, then the vertical datum, each
// on a line of its own when something comes before them. The pieces join
// without separators: "Found by echo sounderDepth 12.3m.Depth known".
OVERLAYS_API std::string DepthText(const WreckDataDef& data);
// "1250 Gross": the tonnage and its kind, or empty without a tonnage.
OVERLAYS_API std::string TonnageText(const WreckDataDef& data);
// The wreck category of a wreck, the obstruction category of an obstruction.
OVERLAYS_API std::string CategoryText(const WreckDataDef& data);
// "Length 45.0m Width 8.0m Draught 3.5m ", each part only when not 0.
OVERLAYS_API std::string DimensionsText(const WreckDataDef& data);
// "Length 12.0m" then "Orientation 90.0 " (an orientation of 0 is shown).
OVERLAYS_API std::string DebrisText(const WreckDataDef& data);
// The sonar contact's size and shadow; its orientation only with a size.
OVERLAYS_API std::string SonarText(const WreckDataDef& data);
// The scour's size and depth, and its orientation.
OVERLAYS_API std::string ScourText(const WreckDataDef& data);
