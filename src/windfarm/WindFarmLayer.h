#pragma once
// What the turbine list and the boundary list keep alike: whether the host
// draws and labels the layer, its colour, and the farm the user last chose.
// Each list saves these four values in a settings file of its own, under
// keys of its own; the reader goes by position, as every settings reader.

#include <cstdint>

#include "frame/Api.h"

// The settings file of a layer and its four keys, in file order.
struct WindFarmLayerKeys {
  const char* group;
  const char* display;
  const char* label;
  const char* colour;
  const char* index;
};

class OVERLAYS_API CWindFarmLayer {
 public:
  explicit CWindFarmLayer(const WindFarmLayerKeys& keys) : keys_(keys) {}

  // Writes the four lines; a file that cannot be written is left
  // unwritten, silently. A flag is written as 1 only when its byte is
  // exactly 1, so a host's stray value never turns a layer on.
  void SaveSettings() const;
  // Reads them back in the same order; a missing file keeps every value, a
  // missing line its value (a colour then reads as grey, 0x808080).
  void LoadSettings();

  std::uint8_t display = 1;
  std::uint8_t label = 1;
  std::uint32_t colour = 0x000000;  // 0x00BBGGRR
  // The chosen farm; 0, or anything outside 1 to count - 1, means none.
  std::int32_t index = 0;

 private:
  WindFarmLayerKeys keys_;
};
