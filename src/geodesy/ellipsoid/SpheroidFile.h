#pragma once
// The user's ellipsoid files ("SPD"): line 1 the name, line 2 the qualifier,
// then 24 bytes, a, b and 1/f as little-endian doubles. The values are not
// checked here; CSpheroid derives from whatever the file holds.

#include <cstdio>
#include <string>

inline constexpr char kSpheroidFileExtension[] = "SPD";

struct SpheroidFileDef {
  std::string name;
  std::string qualifier;
  double a = 0;
  double b = 0;
  double invFlattening = 0;
};

// Reads one file from its start. False when the two lines or the 24 bytes
// behind them are missing.
bool ReadSpheroidFile(std::FILE* file, SpheroidFileDef& out);
