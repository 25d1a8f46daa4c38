#include "geodesy/shift/NadconGridFile.h"

#include <bit>
#include <cmath>
#include <optional>

namespace {

// Offsets of the header's fields.
constexpr std::size_t kIdentificationSize = 56;
constexpr std::size_t kProgramOffset = 56, kProgramSize = 8;
constexpr std::size_t kColumnsOffset = 64, kRowsOffset = 68, kLevelsOffset = 72;
constexpr std::size_t kXMinOffset = 76, kDxOffset = 80, kYMinOffset = 84, kDyOffset = 88, kAngleOffset = 92;
constexpr std::size_t kWordSize = 4;

std::uint32_t LittleEndianWord(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

float LittleEndianFloat(const unsigned char* bytes) { return std::bit_cast<float>(LittleEndianWord(bytes)); }

std::int32_t LittleEndianInt(const unsigned char* bytes) { return std::bit_cast<std::int32_t>(LittleEndianWord(bytes)); }

std::string WithoutTrailingBlanks(const unsigned char* bytes, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(bytes), size);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

NadconHeaderDef ParseHeader(const unsigned char* bytes) {
  NadconHeaderDef h;
  h.identification = WithoutTrailingBlanks(bytes, kIdentificationSize);
  h.program = WithoutTrailingBlanks(bytes + kProgramOffset, kProgramSize);
  h.columns = LittleEndianInt(bytes + kColumnsOffset);
  h.rows = LittleEndianInt(bytes + kRowsOffset);
  h.levels = LittleEndianInt(bytes + kLevelsOffset);
  h.xMin = LittleEndianFloat(bytes + kXMinOffset);
  h.dx = LittleEndianFloat(bytes + kDxOffset);
  h.yMin = LittleEndianFloat(bytes + kYMinOffset);
  h.dy = LittleEndianFloat(bytes + kDyOffset);
  h.angle = LittleEndianFloat(bytes + kAngleOffset);
  return h;
}

// Two nodes a side at least, so that every covered point has a cell; the
// spacing must be positive, which NaN fails too.
bool MakesAGrid(const NadconHeaderDef& h) {
  return h.columns >= 2 && h.rows >= 2 && std::isfinite(h.xMin) && std::isfinite(h.yMin) &&
         std::isfinite(h.dx) && h.dx > 0 && std::isfinite(h.dy) && h.dy > 0;
}

std::optional<long> FileSize(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return std::nullopt;
  const long size = std::ftell(file);
  if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) return std::nullopt;
  return size;
}

// NGS's reader finds the rows by skipping words after the header until one
// is not zero (the first shift of the south row) and stepping back over it
// and the row's leading word. So a grid whose first shift is exactly 0 is
// misread by every program that follows it; the row count check below
// then refuses it, as the rows no longer fit in the file.
std::optional<long> FirstRowOffset(std::FILE* file) {
  unsigned char word[kWordSize];
  while (std::fread(word, 1, kWordSize, file) == kWordSize) {
    if (LittleEndianWord(word) == 0) continue;
    const long start = std::ftell(file) - static_cast<long>(2 * kWordSize);
    if (start < static_cast<long>(kNadconHeaderSize)) return std::nullopt;
    return start;
  }
  return std::nullopt;
}

bool ReadRows(std::FILE* file, const NadconHeaderDef& h, std::vector<float>& shifts) {
  const auto columns = static_cast<std::size_t>(h.columns);
  std::vector<unsigned char> record((columns + 1) * kWordSize);
  shifts.reserve(columns * static_cast<std::size_t>(h.rows));
  for (std::int32_t row = 0; row < h.rows; ++row) {
    if (std::fread(record.data(), 1, record.size(), file) != record.size()) return false;
    for (std::size_t c = 0; c < columns; ++c) {
      const float shift = LittleEndianFloat(record.data() + (c + 1) * kWordSize);
      if (!std::isfinite(shift)) return false;
      shifts.push_back(shift);
    }
  }
  return true;
}

bool ReadGrid(std::FILE* file, NadconHeaderDef& header, std::vector<float>& shifts) {
  const auto size = FileSize(file);
  unsigned char bytes[kNadconHeaderSize];
  if (!size || std::fread(bytes, 1, kNadconHeaderSize, file) != kNadconHeaderSize) return false;
  header = ParseHeader(bytes);
  if (!MakesAGrid(header)) return false;
  const auto start = FirstRowOffset(file);
  if (!start || std::fseek(file, *start, SEEK_SET) != 0) return false;
  // Both counts are below 2^31, so the product cannot overflow 64 bits.
  const auto needed = static_cast<std::uint64_t>(header.rows) *
                      (static_cast<std::uint64_t>(header.columns) + 1) * kWordSize;
  if (needed > static_cast<std::uint64_t>(*size - *start)) return false;
  return ReadRows(file, header, shifts);
}

}  // namespace

bool ReadNadconGrid(std::FILE* file, NadconHeaderDef& header, std::vector<float>& shifts) {
  shifts.clear();
  if (ReadGrid(file, header, shifts)) return true;
  header = {};
  shifts = {};
  return false;
}

bool SameNodes(const NadconHeaderDef& a, const NadconHeaderDef& b) {
  return a.columns == b.columns && a.rows == b.rows && a.xMin == b.xMin && a.dx == b.dx && a.yMin == b.yMin &&
         a.dy == b.dy;
}
