#pragma once
// A shapefile's display settings: how the host draws it and which attribute
// field labels it. They live in a settings file of their own beside the
// shapefile ("%s%s.INI" of its folder and name), nine positional lines.

#include <cstdint>
#include <string>

#include "frame/ConfigFile.h"

struct ShapeDisplayDef {
  bool status = true;        // shown
  std::int16_t style = 0;    // drawing size: 1 small, 2 medium, 4 large
  std::int16_t size = 1;
  std::uint32_t colour = kDefaultSettingsColour;  // 0x00BBGGRR
  std::int16_t fill = 0;
  std::int32_t labelMode = 0;      // kept as 16 bits in the file
  std::int32_t labelPosition = 0;  // likewise
  std::int16_t labelColumn = 0;    // index into the attribute field names
  bool iconMode = false;           // fill polygons
};

// The settings file of a shapefile's Windows path.
std::string ShapeDisplayPath(const std::string& shapePath);
// Reads the settings by position; a missing file or line gives the default
// of its place. False when there is no settings file (all defaults).
bool ReadShapeDisplay(const std::string& shapePath, ShapeDisplayDef& display);
// Rewrites the settings file whole, the lines in the reader's order; false
// when it could not be written (the old file then stays as it was).
bool WriteShapeDisplay(const std::string& shapePath, const ShapeDisplayDef& display);
