#pragma once
// The NADCON regions in the order they are searched for a point: the first
// whose grid covers it serves. Regions overlap (the Alaska grid holds the
// Pribilof and St. Lawrence islands), so the order decides which grid
// shifts a point there.

#include <span>

struct NadconRegionDef {
  const char* name;  // shown in the area text
  const char* code;  // file title in the "Nadcon" data folder: "<code>.las", "<code>.los"
};

// NAD27 to NAD83.
extern const std::span<const NadconRegionDef> kNadconNad83Regions;
// NAD83 to its High Precision Geodetic Network (HPGN) realisations.
extern const std::span<const NadconRegionDef> kNadconHpgnRegions;
