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

std::uint64_t LittleEndian(const unsigned char* bytes, int count) {
  std::uint64_t bits = 0;
  for (int i = count - 1; i >= 0; --i) bits = (bits << 8) | bytes[i];
  return bits;
}

}  // namespace

double LittleEndianDouble(const unsigned char* bytes) { return std::bit_cast<double>(LittleEndian(bytes, 8)); }

std::uint32_t LittleEndianUint32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(LittleEndian(bytes, 4));
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
