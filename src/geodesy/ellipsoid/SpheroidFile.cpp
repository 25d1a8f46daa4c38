#include "geodesy/ellipsoid/SpheroidFile.h"

#include <bit>
#include <cstdint>

namespace {

// Longer names are cut: a name is shown on one line of a list, and the cap
// keeps a file without line breaks from growing a string without bound.
constexpr std::size_t kMaxLineLength = 255;

// One text line without its CR LF or LF; false at end of file before any
// line break was seen.
bool ReadLine(std::FILE* file, std::string& line) {
  line.clear();
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    if (line.size() < kMaxLineLength) line.push_back(static_cast<char>(c));
  }
  return false;
}

double LittleEndianDouble(const unsigned char* bytes) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[i];
  return std::bit_cast<double>(bits);
}

}  // namespace

bool ReadSpheroidFile(std::FILE* file, SpheroidFileDef& out) {
  if (!ReadLine(file, out.name) || !ReadLine(file, out.qualifier)) return false;
  unsigned char block[24];
  if (std::fread(block, 1, sizeof block, file) != sizeof block) return false;
  out.a = LittleEndianDouble(block);
  out.b = LittleEndianDouble(block + 8);
  out.invFlattening = LittleEndianDouble(block + 16);
  return true;
}
