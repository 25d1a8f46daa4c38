#pragma once
// Writes the user ellipsoid files ("SPD") for tests, fuzz seeds and sample
// data: two text lines, then a, b and 1/f as little-endian doubles.

#include <string>

#include "geodesy/ellipsoid/SpheroidFile.h"

namespace tools {

std::string SpheroidFileBytes(const SpheroidFileDef& contents, const char* lineEnd = "\r\n");

}  // namespace tools
