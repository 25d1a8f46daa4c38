#pragma once
// The 122 coastal places of Great Britain, Ireland and the islands around
// them that the location combo box lists and the wreck search offers as
// ready-made search centres, in the order the list shows them.
//
// The table keeps its records in the layout the module has always used: a
// zero-terminated name in a 40-byte field, then latitude and longitude in
// degrees (north and east positive), closed by a record with an empty name.
// Positions turn into radians only where they are used, by the module's own
// factor (kRadiansPerDegree).

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "frame/Api.h"

struct UKPlaceDef {
  char name[40];     // Windows-1252, zero-terminated
  double latitude;   // degrees, north positive
  double longitude;  // degrees, east positive
};

inline constexpr std::size_t kUKPlaceCount = 122;

// The places and, last, the empty-named record that ends them.
OVERLAYS_API extern const std::array<UKPlaceDef, kUKPlaceCount + 1> kUKPlaceTable;

// The places without the closing record.
inline std::span<const UKPlaceDef> UKPlaces() { return std::span(kUKPlaceTable).first(kUKPlaceCount); }

struct NearestPlace {
  int index = -1;       // into the places searched; -1 when none could be measured
  double distance = 0;  // metres on WGS 1984
};

// The place nearest a position (radians) by geodesic distance on WGS 1984,
// searched in order up to the end or an empty name; on equal distances the
// earlier place wins.
OVERLAYS_API NearestPlace FindNearestPlace(std::span<const UKPlaceDef> places, double latitude, double longitude);

// The first place whose name occurs in `text` (a combo box entry), or null.
OVERLAYS_API const UKPlaceDef* FindPlaceInText(std::string_view text);
