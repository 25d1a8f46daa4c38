#include "kml/Unzipper.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "frame/PathText.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"

namespace fs = platform::fs;

namespace {

constexpr std::size_t kCopyBlock = 2048;
constexpr std::size_t kMaxComment = 255;
constexpr std::uint32_t kFolderAttribute = 0x10;
constexpr std::uint32_t kUtf8NameFlag = 0x800;

unzFile Handle(void* archive) { return static_cast<unzFile>(archive); }

bool EndsWithSeparator(const std::string& path) { return !path.empty() && path.back() == '\\'; }

std::string Join(const std::string& folder, const std::string& name) {
  return EndsWithSeparator(folder) ? folder + name : folder + '\\' + name;
}

// A relative entry name stays inside the folder it is joined to only when
// no component climbs out and nothing makes it absolute.
bool StaysInside(const std::string& name) {
  if (name.empty() || name[0] == '\\' || name.find(':') != std::string::npos) return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    const auto end = std::min(name.find('\\', start), name.size());
    if (name.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

bool ExtensionEquals(const std::string& name, const char* extension) {
  if (!extension) return true;
  const auto slash = name.find_last_of('\\');
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  return platform::text::EqualsIgnoringCase(std::string_view(name).substr(dot + 1), extension);
}

std::string FileNameOf(const std::string& name) {
  const auto slash = name.find_last_of('\\');
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

}  // namespace

bool CreateFolderWithParents(const std::string& folder) {
  std::string path = folder;
  while (EndsWithSeparator(path) && path.size() > 3) path.pop_back();
  if (path.empty()) return false;
  // Walk up to the deepest level that exists, then create downwards; a
  // file anywhere on the way fails the whole path.
  std::vector<std::string> missing;
  while (!fs::FolderExists(path)) {
    if (fs::FileExists(path)) return false;
    missing.push_back(path);
    const auto slash = path.find_last_of('\\');
    if (slash == std::string::npos || slash < 2) return false;
    path.erase(slash == 2 ? 3 : slash);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it)
    if (fs::CreateFolder(*it) == fs::CreateResult::Failed) return false;
  return true;
}

CUnzipper::CUnzipper(const char* archivePath) {
  if (archivePath) OpenZip(archivePath);
}

CUnzipper::~CUnzipper() { CloseZip(); }

bool CUnzipper::OpenZip(const char* path) {
  CloseZip();
  if (!path || !*path) return false;
  const std::string full = fs::FullPath(path, kMaxPath);
  if (full.empty()) return false;
  const auto host = fs::ToHost(full);
  if (!host || !fs::FileExists(full)) return false;
  archive_ = unzOpen64(host->c_str());
  if (!archive_) return false;
  outputFolder_ = PathWithoutExtension(full);
  // A dot in a folder name must not cut the folder: only the file's own
  // extension goes.
  if (outputFolder_.size() < full.find_last_of('\\')) outputFolder_ = full;
  return true;
}

bool CUnzipper::CloseZip() {
  if (!archive_) return false;
  unzCloseCurrentFile(Handle(archive_));
  const bool closed = unzClose(Handle(archive_)) == UNZ_OK;
  archive_ = nullptr;
  outputFolder_.clear();
  return closed;
}

int CUnzipper::GetFileCount() {
  if (!archive_) return 0;
  unz_global_info64 info{};
  if (unzGetGlobalInfo64(Handle(archive_), &info) != UNZ_OK) return 0;
  return info.number_entry > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(info.number_entry);
}

bool CUnzipper::GetFileInfo(UnzipFileInfo& info) {
  if (!archive_) return false;
  unz_file_info64 raw{};
  std::array<char, kMaxPath + 1> name{};
  std::array<char, kMaxComment + 1> comment{};
  if (unzGetCurrentFileInfo64(Handle(archive_), &raw, name.data(), name.size() - 1, nullptr, 0, comment.data(),
                              comment.size() - 1) != UNZ_OK)
    return false;
  // Names longer than the buffer come back cut, as the module has always
  // stored them.
  info.name.assign(name.data(), std::min<std::size_t>(raw.size_filename, name.size() - 1));
  info.name.resize(std::strlen(info.name.c_str()));
  if (raw.flag & kUtf8NameFlag) info.name = platform::text::AnsiFromUtf8(info.name);
  for (char& c : info.name)
    if (c == '/') c = '\\';
  info.comment.assign(comment.data(), std::min<std::size_t>(raw.size_file_comment, comment.size() - 1));
  info.comment.resize(std::strlen(info.comment.c_str()));
  info.version = static_cast<std::uint32_t>(raw.version);
  info.versionNeeded = static_cast<std::uint32_t>(raw.version_needed);
  info.flags = static_cast<std::uint32_t>(raw.flag);
  info.compressionMethod = static_cast<std::uint32_t>(raw.compression_method);
  info.dosDateTime = static_cast<std::uint32_t>(raw.dosDate);
  info.crc = static_cast<std::uint32_t>(raw.crc);
  info.compressedSize = static_cast<std::uint32_t>(raw.compressed_size);
  info.uncompressedSize = static_cast<std::uint32_t>(raw.uncompressed_size);
  info.internalAttributes = static_cast<std::uint32_t>(raw.internal_fa);
  info.externalAttributes = static_cast<std::uint32_t>(raw.external_fa);
  info.folder = (info.externalAttributes & kFolderAttribute) != 0;
  return true;
}

std::uint64_t CUnzipper::DeclaredSize() {
  unz_file_info64 raw{};
  if (unzGetCurrentFileInfo64(Handle(archive_), &raw, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return 0;
  return raw.uncompressed_size;
}

bool CUnzipper::SeekMatching(int step, const char* extension) {
  if (!archive_) return false;
  int result = step == 0 ? unzGoToFirstFile(Handle(archive_)) : unzGoToNextFile(Handle(archive_));
  while (result == UNZ_OK) {
    UnzipFileInfo info;
    if (!GetFileInfo(info)) return false;
    if (ExtensionEquals(info.name, extension)) return true;
    result = unzGoToNextFile(Handle(archive_));
  }
  return false;
}

bool CUnzipper::GotoFirstFile(const char* extension) { return SeekMatching(0, extension); }

bool CUnzipper::GotoNextFile(const char* extension) { return SeekMatching(1, extension); }

bool CUnzipper::SetOutputFolder(const char* folder) {
  if (!folder || !*folder) return false;
  const std::string path = folder;
  if (fs::FileExists(path)) return false;
  outputFolder_ = path;
  return CreateFolderWithParents(path);
}

bool CUnzipper::UnzipFile(const char* folder, bool ignorePaths) { return UnzipFile(folder, ignorePaths, nullptr); }

bool CUnzipper::UnzipFile(const char* folder, bool ignorePaths, const char* password) {
  if (!archive_) return false;
  const std::string destination = folder && *folder ? std::string(folder) : outputFolder_;
  if (!CreateFolderWithParents(destination)) return false;
  UnzipFileInfo info;
  if (!GetFileInfo(info)) return false;
  return info.folder ? ExtractFolderEntry(info) : ExtractFileEntry(info, destination, ignorePaths, password);
}

bool CUnzipper::ExtractFolderEntry(const UnzipFileInfo& info) {
  if (!StaysInside(info.name)) return false;
  return CreateFolderWithParents(Join(outputFolder_, info.name));
}

bool CUnzipper::ExtractFileEntry(const UnzipFileInfo& info, const std::string& destination, bool ignorePaths,
                                 const char* password) {
  const std::string name = ignorePaths ? FileNameOf(info.name) : info.name;
  if (!StaysInside(name) || EndsWithSeparator(name)) return false;
  const std::string target = Join(destination, name);
  const auto slash = target.find_last_of('\\');
  if (!CreateFolderWithParents(target.substr(0, slash))) return false;
  // Refused before a byte is written: an entry that cannot fit would only
  // fill the disk and leave a partial file behind.
  const auto free = fs::FreeSpace(target.substr(0, slash + 1));
  if (!free || DeclaredSize() > *free) return false;
  if (!CopyCurrentEntry(target, password)) return false;
  fs::SetFileTimesFromDos(target, info.dosDateTime);
  return true;
}

bool CUnzipper::CopyCurrentEntry(const std::string& target, const char* password) {
  auto out = fs::OpenFile(target, "wb");
  if (!out) return false;
  const int opened = password ? unzOpenCurrentFilePassword(Handle(archive_), password)
                              : unzOpenCurrentFile(Handle(archive_));
  if (opened != UNZ_OK) return false;
  std::array<char, kCopyBlock> block;
  int read = 0;
  // minizip never returns more than the entry's declared size, so a lying
  // deflate stream cannot write past what the free-space check allowed.
  while ((read = unzReadCurrentFile(Handle(archive_), block.data(), block.size())) > 0) {
    if (std::fwrite(block.data(), 1, static_cast<std::size_t>(read), out.get()) != static_cast<std::size_t>(read)) {
      read = -1;
      break;
    }
  }
  const bool flushed = std::fclose(out.release()) == 0;
  unzCloseCurrentFile(Handle(archive_));
  return read == 0 && flushed;
}
