#pragma once
// The fields the user geodesy files (ellipsoids, grids, transformations)
// are made of: text lines ended by LF or CR LF, then little-endian numbers.

#include <cstdint>
#include <cstdio>
#include <string>

// Longer lines are cut: a name is shown on one line of a list, and the cap
// keeps a file without line breaks from growing a string without bound.
inline constexpr std::size_t kMaxUserFileLineLength = 255;

// One text line without its CR LF or LF; false at end of file before any
// line break was seen.
bool ReadUserFileLine(std::FILE* file, std::string& line);

double LittleEndianDouble(const unsigned char* bytes);
std::uint32_t LittleEndianUint32(const unsigned char* bytes);
