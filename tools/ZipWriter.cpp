#include "ZipWriter.h"

#include <minizip/zip.h>

#include <algorithm>
#include <stdexcept>

namespace tools {
namespace {

constexpr unsigned kFolderAttribute = 0x10;
constexpr unsigned kUtf8NameFlag = 0x800;

void Check(int result, const char* what) {
  if (result != ZIP_OK) throw std::runtime_error(std::string("zip writer: ") + what);
}

}  // namespace

ZipWriter::ZipWriter(const std::filesystem::path& hostPath)
    : zip_(zipOpen64(hostPath.c_str(), APPEND_STATUS_CREATE)) {
  if (!zip_) throw std::runtime_error("zip writer: cannot create " + hostPath.string());
}

ZipWriter::~ZipWriter() {
  if (zip_) zipClose(static_cast<zipFile>(zip_), nullptr);
}

void ZipWriter::Begin(const ZipEntry& entry) {
  zip_fileinfo info{};
  info.dosDate = entry.dosDateTime;
  info.external_fa = entry.folder ? kFolderAttribute : 0;
  const int method = entry.level == 0 || entry.folder ? 0 : Z_DEFLATED;
  Check(zipOpenNewFileInZip4_64(static_cast<zipFile>(zip_), entry.name.c_str(), &info, nullptr, 0, nullptr, 0,
                                entry.comment.empty() ? nullptr : entry.comment.c_str(), method, entry.level, 0,
                                -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, 0,
                                entry.utf8Name ? kUtf8NameFlag : 0, 0),
        "cannot add an entry");
}

void ZipWriter::Write(std::string_view data) {
  constexpr std::size_t kChunk = 1u << 20;
  for (std::size_t at = 0; at < data.size(); at += kChunk) {
    const auto n = static_cast<unsigned>(std::min(kChunk, data.size() - at));
    Check(zipWriteInFileInZip(static_cast<zipFile>(zip_), data.data() + at, n), "cannot write an entry");
  }
}

void ZipWriter::End() { Check(zipCloseFileInZip(static_cast<zipFile>(zip_)), "cannot close an entry"); }

void ZipWriter::Add(const ZipEntry& entry, std::string_view data) {
  Begin(entry);
  Write(data);
  End();
}

void ZipWriter::AddFile(std::string name, std::string_view data) {
  ZipEntry entry;
  entry.name = std::move(name);
  Add(entry, data);
}

void ZipWriter::AddFolder(std::string name) {
  ZipEntry entry;
  entry.name = std::move(name);
  entry.folder = true;
  Add(entry);
}

void ZipWriter::Close() {
  if (!zip_) return;
  const int result = zipClose(static_cast<zipFile>(zip_), nullptr);
  zip_ = nullptr;
  Check(result, "cannot finish the archive");
}

}  // namespace tools
