#include "WreckDatabaseWriter.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace tools {
namespace {

void AppendBytes(std::string& out, const void* data, std::size_t size) {
  out.append(static_cast<const char*>(data), size);
}

}  // namespace

void AppendStoredString(std::string& out, std::string_view text) {
  const auto length = static_cast<std::uint32_t>(text.size());
  const unsigned char lengthBytes[4] = {static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
                                        static_cast<unsigned char>(length >> 16),
                                        static_cast<unsigned char>(length >> 24)};
  AppendBytes(out, lengthBytes, 4);
  for (char c : text) out += static_cast<char>(~static_cast<unsigned char>(c));
}

void AppendWreckRecord(std::string& out, const WreckDef& record) {
  WreckDataDef block = record.data;
  block.nationality[0] = static_cast<char>(~block.nationality[0]);
  block.nationality[1] = static_cast<char>(~block.nationality[1]);
  AppendBytes(out, &block, sizeof block);
  const auto count = static_cast<unsigned char>(std::min<std::size_t>(record.outline.GetSize(), 255));
  out += static_cast<char>(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double xy[2] = {record.outline[i].x, record.outline[i].y};
    AppendBytes(out, xy, sizeof xy);
  }
  for (std::size_t i = 0; i < kWreckTextCount; ++i) AppendStoredString(out, record.texts.Get(WreckText(i)));
}

void WriteHostFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace tools
