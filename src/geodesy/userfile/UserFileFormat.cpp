#include "geodesy/userfile/UserFileFormat.h"

#include <bit>
#include <cstdint>

#include "frame/Folders.h"
#include "frame/PathText.h"
#include "platform/fs/FileSystem.h"

bool ReadUserFileLine(std::FILE* file, std::string& line) {
  line.clear();
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    if (line.size() < kMaxUserFileLine) line.push_back(static_cast<char>(c));
  }
  return false;
}

bool ReadUserFileBlock(std::FILE* file, void* block, std::size_t size) {
  return std::fread(block, 1, size, file) == size;
}

namespace {

template <typename Bits>
Bits LittleEndianBits(const unsigned char* bytes) {
  Bits bits = 0;
  for (int i = sizeof(Bits) - 1; i >= 0; --i) bits = static_cast<Bits>((bits << 8) | bytes[i]);
  return bits;
}

template <typename Bits>
void AppendBits(std::string& out, Bits bits) {
  for (std::size_t i = 0; i < sizeof(Bits); ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

}  // namespace

double LittleEndianDouble(const unsigned char* bytes) {
  return std::bit_cast<double>(LittleEndianBits<std::uint64_t>(bytes));
}

float LittleEndianFloat(const unsigned char* bytes) {
  return std::bit_cast<float>(LittleEndianBits<std::uint32_t>(bytes));
}

std::int32_t LittleEndianInt32(const unsigned char* bytes) {
  return std::bit_cast<std::int32_t>(LittleEndianBits<std::uint32_t>(bytes));
}

std::vector<GlobalFile> ListGlobalFiles(const char* extension) {
  std::string folder;
  FindDataFolder(folder, kGlobalDataFolder);
  std::vector<GlobalFile> files;
  if (folder.empty()) return files;
  for (const auto& found : platform::fs::FindFiles(folder + "*." + extension)) {
    if (found.folder) continue;
    std::string title = GetPathTitle(found.name);
    files.push_back({title, folder + title + "." + extension});
  }
  return files;
}

void AppendLittleEndian(std::string& out, double value) { AppendBits(out, std::bit_cast<std::uint64_t>(value)); }

void AppendLittleEndian(std::string& out, float value) { AppendBits(out, std::bit_cast<std::uint32_t>(value)); }

void AppendLittleEndian(std::string& out, std::int32_t value) {
  AppendBits(out, std::bit_cast<std::uint32_t>(value));
}
