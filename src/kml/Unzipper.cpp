#include "kml/Unzipper.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "frame/FormatText.h"
#include "frame/PathText.h"
#include "kml/EntryInflation.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"

namespace fs = platform::fs;

namespace {

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

std::string DescribeRefusal(const UnzipRefusal& refusal, const InflationLimits& limits) {
  const std::string entry = refusal.entry.empty() ? std::string() : "entry " + refusal.entry + " ";
  switch (refusal.problem) {
    case UnzipProblem::None: return "no problem";
    case UnzipProblem::MissingFile: return "no such file";
    case UnzipProblem::NotAnArchive: return "not a ZIP archive";
    case UnzipProblem::OutOfProportion:
      return FormatText("refused as a ZIP bomb: %sinflates to more than %llu times its compressed size",
                        entry.c_str(), static_cast<unsigned long long>(limits.ratio));
    case UnzipProblem::TooMuchInAll:
      return FormatText("refused as a ZIP bomb: the archive would write more than %llu MiB in all",
                        static_cast<unsigned long long>(limits.total >> 20));
    case UnzipProblem::Damaged: return entry + "is damaged: its data do not match its declared size and checksum";
    case UnzipProblem::NameOutside: return entry + "would land outside the folder it is extracted into";
    case UnzipProblem::NoRoom: return entry + "is larger than the free space";
    case UnzipProblem::CannotWrite: return entry + "cannot be written: a folder or file cannot be created";
  }
  return "unknown problem";
}

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

bool CUnzipper::Refuse(UnzipProblem problem, const std::string& entry) {
  if (refusal_.problem == UnzipProblem::None) refusal_ = {problem, entry};
  return false;
}

bool CUnzipper::OpenZip(const char* path) {
  CloseZip();
  refusal_ = {};
  if (!path || !*path) return Refuse(UnzipProblem::MissingFile);
  const std::string full = fs::FullPath(path, kMaxPath);
  if (full.empty()) return Refuse(UnzipProblem::MissingFile);
  const auto host = fs::ToHost(full);
  if (!host || !fs::FileExists(full)) return Refuse(UnzipProblem::MissingFile);
  archive_ = unzOpen64(host->c_str());
  if (!archive_) return Refuse(UnzipProblem::NotAnArchive);
  const std::uint64_t archiveSize = fs::FileSize(full).value_or(0);
  if (DeclaresABomb(archiveSize)) {
    CloseZip();
    return false;
  }
  archiveSize_ = archiveSize;
  budget_ = CInflationBudget(limits_, archiveSize);
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

// Refuses before a byte is written an archive whose directory admits to
// being a bomb.
bool CUnzipper::DeclaresABomb(std::uint64_t archiveSize) {
  const UnzipProblem problem = ScreenDeclaredSizes(archive_, limits_, archiveSize);
  if (problem == UnzipProblem::None) return false;
  UnzipFileInfo info;
  GetFileInfo(info);
  Refuse(problem, info.name);
  return true;
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

void CUnzipper::SetLimits(const InflationLimits& limits) {
  limits_ = limits;
  budget_ = CInflationBudget(limits_, archiveSize_);
}

bool CUnzipper::SetOutputFolder(const char* folder) {
  if (!folder || !*folder) return false;
  const std::string path = folder;
  if (fs::FileExists(path)) return Refuse(UnzipProblem::CannotWrite);
  outputFolder_ = path;
  return CreateFolderWithParents(path) || Refuse(UnzipProblem::CannotWrite);
}

bool CUnzipper::UnzipFile(const char* folder, bool ignorePaths) { return UnzipFile(folder, ignorePaths, nullptr); }

bool CUnzipper::UnzipFile(const char* folder, bool ignorePaths, const char* password) {
  // Nothing more of an archive found to be a bomb is written.
  if (!archive_ || refusal_.IsBomb()) return false;
  const std::string destination = folder && *folder ? std::string(folder) : outputFolder_;
  if (!CreateFolderWithParents(destination)) return Refuse(UnzipProblem::CannotWrite);
  UnzipFileInfo info;
  if (!GetFileInfo(info)) return false;
  return info.folder ? ExtractFolderEntry(info) : ExtractFileEntry(info, destination, ignorePaths, password);
}

bool CUnzipper::ExtractFolderEntry(const UnzipFileInfo& info) {
  if (!StaysInside(info.name)) return Refuse(UnzipProblem::NameOutside, info.name);
  return CreateFolderWithParents(Join(outputFolder_, info.name)) || Refuse(UnzipProblem::CannotWrite, info.name);
}

bool CUnzipper::ExtractFileEntry(const UnzipFileInfo& info, const std::string& destination, bool ignorePaths,
                                 const char* password) {
  const std::string name = ignorePaths ? FileNameOf(info.name) : info.name;
  if (!StaysInside(name) || EndsWithSeparator(name)) return Refuse(UnzipProblem::NameOutside, info.name);
  const std::string target = Join(destination, name);
  const auto slash = target.find_last_of('\\');
  if (!CreateFolderWithParents(target.substr(0, slash))) return Refuse(UnzipProblem::CannotWrite, info.name);
  // Refused before a byte is written: an entry that cannot fit would only
  // fill the disk and leave a partial file behind.
  const auto free = fs::FreeSpace(target.substr(0, slash + 1));
  if (!free || info.uncompressedSize > *free) return Refuse(UnzipProblem::NoRoom, info.name);
  if (!CopyCurrentEntry(target, password, info)) return false;
  fs::SetFileTimesFromDos(target, info.dosDateTime);
  return true;
}

bool CUnzipper::CopyCurrentEntry(const std::string& target, const char* password, const UnzipFileInfo& info) {
  auto out = fs::OpenFile(target, "wb");
  if (!out) return Refuse(UnzipProblem::CannotWrite, info.name);
  UnzipProblem problem = InflateCurrentEntry(archive_, password, budget_, [&](const char* data, std::size_t size) {
    return std::fwrite(data, 1, size, out.get()) == size;
  });
  if (std::fclose(out.release()) != 0 && problem == UnzipProblem::None) problem = UnzipProblem::CannotWrite;
  if (problem == UnzipProblem::None) return true;
  // What was written of a refused or damaged entry is no use to anyone.
  fs::DeleteFile(target);
  return Refuse(problem, info.name);
}
