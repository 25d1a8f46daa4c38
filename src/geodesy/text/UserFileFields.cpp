#include "geodesy/text/UserFileFields.h"

#include <bit>

namespace {

std::uint64_t LittleEndian(const unsigned char* bytes, int count) {
  std::uint64_t bits = 0;
  for (int i = count - 1; i >= 0; --i) bits = (bits << 8) | bytes[i];
  return bits;
}

}  // namespace

bool ReadUserFileLine(std::FILE* file, std::string& line) {
  line.clear();
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    if (line.size() < kMaxUserFileLineLength) line.push_back(static_cast<char>(c));
  }
  return false;
}

double LittleEndianDouble(const unsigned char* bytes) { return std::bit_cast<double>(LittleEndian(bytes, 8)); }

std::uint32_t LittleEndianUint32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(LittleEndian(bytes, 4));
}
