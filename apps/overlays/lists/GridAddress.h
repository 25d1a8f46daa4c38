#pragma once
// A catalogue grid as the command line names it: "KIND:ROW" or
// "KIND:ROW:VARIANT".

#include <cstdint>
#include <string>

namespace host {

struct GridAddress {
  std::uint32_t kind = 0, row = 0, variant = 0;
};

// Throws CommandError for text that is not two or three unsigned numbers
// separated by colons.
GridAddress ParseGridAddress(const std::string& text);

// The UTM zone of a point (degrees), north or south, as the catalogue
// lists it.
GridAddress UtmZoneGrid(double latDegrees, double lonDegrees);

}  // namespace host
