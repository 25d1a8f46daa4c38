#pragma once
// What the user's geodesy files in the "Global" data folder share: a few
// text lines (names), then a little-endian binary block. The ellipsoid
// (SPD), transformation (DMF, GSF, GRD) and grid files all read this way.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Longer lines are cut: a name is shown on one line of a list, and the cap
// keeps a file without line breaks from growing a string without bound.
inline constexpr std::size_t kMaxUserFileLine = 255;

// One text line without its CR LF or LF; false at end of file before any
// line break was seen.
bool ReadUserFileLine(std::FILE* file, std::string& line);

// Exactly `size` bytes into `block`; false when the file holds fewer.
bool ReadUserFileBlock(std::FILE* file, void* block, std::size_t size);

double LittleEndianDouble(const unsigned char* bytes);
float LittleEndianFloat(const unsigned char* bytes);
std::int32_t LittleEndianInt32(const unsigned char* bytes);

// The writers' side of the same encodings, appended to a byte string.
void AppendLittleEndian(std::string& out, double value);
void AppendLittleEndian(std::string& out, float value);
void AppendLittleEndian(std::string& out, std::int32_t value);

struct GlobalFile {
  std::string title;  // the name without its extension
  std::string path;   // "%s%s.%s": folder, title, extension
};

// The files of one extension in the "Global" data folder (made when
// missing), in the order the listing yields them; folders are skipped.
std::vector<GlobalFile> ListGlobalFiles(const char* extension);
