#pragma once
// The host's weather-forecast sea areas: each area's name and outline, and
// how the host draws them (boundaries, labels, one area highlighted). The
// host owns and draws the object; the module's setup dialog changes the
// display options and saves them to the "Sea Areas" settings file.

#include <cstdint>
#include <string>
#include <vector>

#include "frame/Api.h"
#include "frame/XY.h"

// The settings file of the display options.
inline constexpr char kSeaAreasSettingsGroup[] = "Sea Areas";

struct SeaAreaDef {
  std::string name;
  // The boundary for drawing, x longitude and y latitude in radians.
  CXYArray outline;
};

inline constexpr std::int16_t kNoActiveArea = -1;

class OVERLAYS_API CSeaAreas {
 public:
  // Writes the six lines of the settings file; a file that cannot be
  // written is left unwritten, silently. A flag is written as 1 only when
  // its byte is exactly 1.
  void SaveSettings() const;
  // Reads them back in the same order; a missing file keeps every value, a
  // missing line its value (a colour then reads as grey, 0x808080).
  void LoadSettings();

  std::vector<SeaAreaDef> areas;
  std::uint8_t display = 1;      // draw the area boundaries
  std::uint8_t label = 1;        // label the areas
  std::uint8_t showWeather = 0;  // kept and saved; the setup dialog leaves it
  std::uint32_t colour = 0xFF0000;        // boundaries, 0x00BBGGRR
  std::uint32_t activeColour = 0x0000FF;  // the highlighted area
  std::int16_t activeArea = kNoActiveArea;
};
