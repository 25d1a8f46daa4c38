#pragma once
// Nationality of wrecks: two-letter country codes to country names, and
// country names to the flag images of the wreck image list.

#include <string>
#include <string_view>

#include "frame/Api.h"

struct CountryRow {
  const char* code;  // ISO 3166 alpha-2, upper case
  const char* name;  // Windows-1252
};

inline constexpr int kCountryCount = 158;
inline constexpr int kFlagCount = 97;  // index 0 is "Unknown" and never matched
extern const CountryRow kCountries[kCountryCount];
extern const char* const kFlagNames[kFlagCount];

// Flag index 1..96 of the flag whose name equals the name ignoring case, or 0.
OVERLAYS_API int FlagIndexFromName(std::string_view name);
// Flag index of the country a code names, or 0 (also for countries that
// have no flag of the same name).
OVERLAYS_API int FlagIndexFromCode(std::string_view code);
// Name of the country of the first two characters of a code, or empty.
OVERLAYS_API std::string CountryNameFromCode(std::string_view code);
