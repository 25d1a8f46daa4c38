#pragma once
// A catalogue grid as the command line names it: "KIND:ROW" or
// "KIND:ROW:VARIANT".

#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct GridAddress {
  std::uint32_t kind = 0, row = 0, variant = 0;
};

// Throws CommandError for text that is not two or three unsigned numbers
// separated by colons.
GridAddress ParseGridAddress(const std::string& text);
// "KIND:ROW:VARIANT", which ParseGridAddress reads back.
std::string GridAddressText(const GridAddress& address);

// The UTM zone of a point (degrees), north or south, as the catalogue
// lists it.
GridAddress UtmZoneGrid(double latDegrees, double lonDegrees);

// The variants a list of grids shows for a catalogue kind: UTM (kind 0) in
// both hemispheres, every other row with its own variant (0).
std::vector<std::uint32_t> ListedVariants(std::uint32_t kind);

}  // namespace host
