#pragma once
// The wreck overlay's search settings and show flags, kept in the search
// list and persisted in the settings group "WreckList", so that the host
// draws the same selection and the search opens on the last search after a
// restart. The centre is stored with 3 decimals of a radian.

#include "frame/Api.h"

class CWreckList;

inline constexpr char kWreckSettingsGroup[] = "WreckList";
// 53 deg N and 2 deg E; the exact doubles the overlay has always used
// (bit patterns 0x3FED99CCFCD8D3DA and 0x3FA1DF46A2529CE4).
inline constexpr double kDefaultSearchLatitude = 0.9250245035569791;
inline constexpr double kDefaultSearchLongitude = 0.034906585039886;
inline constexpr double kDefaultSearchRadius = 1.0;  // nautical miles

OVERLAYS_API void LoadSearchSettings(CWreckList* searchList);
OVERLAYS_API void SaveSearchSettings(CWreckList* searchList);
