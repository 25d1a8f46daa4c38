#include "shape/ShapeFileHooks.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"

namespace {

// The main header shared by .shp and .shx (ESRI shapefile technical
// description, 1998): big-endian file code and file length in 16-bit words.
constexpr std::size_t kMainHeaderBytes = 100;
constexpr std::size_t kFileCodeOffset = 0;
constexpr std::size_t kFileLengthOffset = 24;
constexpr std::uint32_t kFileCode = 9994;

std::FILE* AsFile(SAFile file) { return reinterpret_cast<std::FILE*>(file); }

std::uint32_t BigEndian32(const unsigned char* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

bool IsMainFileName(std::string_view name) {
  if (name.size() < 4 || name[name.size() - 4] != '.') return false;
  const std::string_view extension = name.substr(name.size() - 3);
  return platform::text::EqualsIgnoringCase(extension, "shp") ||
         platform::text::EqualsIgnoringCase(extension, "shx");
}

std::uint64_t SizeOf(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(file);
  return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

// True when the file starts with the main header and holds at least the
// length it declares; the file is left at its start.
bool HeaderFitsFile(std::FILE* file) {
  std::array<unsigned char, kMainHeaderBytes> header{};
  const bool read = std::fread(header.data(), 1, header.size(), file) == header.size();
  const std::uint64_t size = SizeOf(file);
  std::rewind(file);
  if (!read || BigEndian32(&header[kFileCodeOffset]) != kFileCode) return false;
  return std::uint64_t{BigEndian32(&header[kFileLengthOffset])} * 2 <= size;
}

SAFile Open(const char* name, const char* access) {
  platform::fs::FilePtr file = platform::fs::OpenFile(name, access);
  if (file && IsMainFileName(name) && !HeaderFitsFile(file.get())) return nullptr;
  return reinterpret_cast<SAFile>(file.release());
}

SAOffset Read(void* buffer, SAOffset size, SAOffset count, SAFile file) {
  return std::fread(buffer, size, count, AsFile(file));
}

SAOffset Write(void* buffer, SAOffset size, SAOffset count, SAFile file) {
  return std::fwrite(buffer, size, count, AsFile(file));
}

SAOffset Seek(SAFile file, SAOffset offset, int whence) {
  return static_cast<SAOffset>(fseeko(AsFile(file), static_cast<off_t>(offset), whence));
}

SAOffset Tell(SAFile file) { return static_cast<SAOffset>(ftello(AsFile(file))); }

int Flush(SAFile file) { return std::fflush(AsFile(file)); }

int Close(SAFile file) { return std::fclose(AsFile(file)); }

// The module only reads shapefiles; nothing it opens is ever deleted.
int RefuseRemove(const char*) { return -1; }

void Quiet(const char*) {}

double ToDouble(const char* text) { return std::strtod(text, nullptr); }

}  // namespace

SAHooks ModuleShapeHooks() {
  SAHooks hooks{};
  hooks.FOpen = Open;
  hooks.FRead = Read;
  hooks.FWrite = Write;
  hooks.FSeek = Seek;
  hooks.FTell = Tell;
  hooks.FFlush = Flush;
  hooks.FClose = Close;
  hooks.Remove = RefuseRemove;
  hooks.Error = Quiet;
  hooks.Atof = ToDouble;
  return hooks;
}
