#include "SpheroidFileWriter.h"

#include <bit>
#include <cstdint>

namespace tools {
namespace {

void AppendLittleEndian(std::string& out, double value) {
  auto bits = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i, bits >>= 8) out.push_back(static_cast<char>(bits & 0xFF));
}

}  // namespace

std::string SpheroidFileBytes(const SpheroidFileDef& contents, const char* lineEnd) {
  std::string out = contents.name + lineEnd + contents.qualifier + lineEnd;
  AppendLittleEndian(out, contents.a);
  AppendLittleEndian(out, contents.b);
  AppendLittleEndian(out, contents.invFlattening);
  return out;
}

}  // namespace tools
