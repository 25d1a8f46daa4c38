#pragma once
// Writes the user grid files ("PRJ") for tests, fuzz seeds and sample data:
// four text lines, then kind and variant as 32-bit values and seven
// doubles, little-endian.

#include <string>

#include "geodesy/catalogue/GridFile.h"

namespace tools {

std::string GridFileBytes(const GridFileDef& contents, const char* lineEnd = "\r\n");

}  // namespace tools
