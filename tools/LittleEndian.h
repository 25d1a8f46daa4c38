#pragma once
// Little-endian fields of the binary formats the writers produce.

#include <bit>
#include <cstdint>
#include <string>

namespace tools {

inline void AppendLittleEndian(std::string& out, std::uint64_t bits, int bytes) {
  for (int i = 0; i < bytes; ++i, bits >>= 8) out.push_back(static_cast<char>(bits & 0xFF));
}

inline void AppendLittleEndian(std::string& out, double value) {
  AppendLittleEndian(out, std::bit_cast<std::uint64_t>(value), 8);
}

inline void AppendLittleEndian(std::string& out, std::uint32_t value) { AppendLittleEndian(out, value, 4); }

}  // namespace tools
