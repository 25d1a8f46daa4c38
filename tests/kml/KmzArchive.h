#pragma once
// Archives for tests, written by minizip's zip API (through the zip writer
// of tools/ or directly): KMZ archives of named texts, and ZIP bombs whose
// entries deflate about a thousand times or whose directory declares a
// false inflated size (so the deflate stream is made here and stored raw).

#include <minizip/zip.h>
#include <zlib.h>

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ZipWriter.h"

namespace testing_support {

using KmzEntries = std::vector<std::pair<std::string, std::string>>;

inline void WriteKmz(const std::filesystem::path& host, const KmzEntries& entries) {
  std::filesystem::create_directories(host.parent_path());
  tools::ZipWriter zip(host);
  for (const auto& [name, text] : entries) {
    if (!name.empty() && name.back() == '/')
      zip.AddFolder(name);
    else
      zip.AddFile(name, text);
  }
  zip.Close();
}

// Every file and folder under a host folder, relative to it.
inline std::set<std::string> Files(const std::filesystem::path& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::recursive_directory_iterator(folder, ec))
    names.insert(std::filesystem::relative(e.path(), folder).string());
  return names;
}

struct BombEntry {
  std::string name;
  std::string data;
  long long declaredSize = -1;  // the size the directory states; -1: the true one
};

// A zlib stream is a raw deflate stream between a 2-byte header and a
// 4-byte checksum.
inline std::string RawDeflate(const std::string& data) {
  uLongf size = compressBound(data.size());
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()), data.size(),
                Z_BEST_COMPRESSION) != Z_OK)
    throw std::runtime_error("compress2");
  return out.substr(2, size - 6);
}

inline void WriteBomb(const std::filesystem::path& host, const std::vector<BombEntry>& entries) {
  std::filesystem::create_directories(host.parent_path());
  zipFile zip = zipOpen64(host.c_str(), APPEND_STATUS_CREATE);
  if (!zip) throw std::runtime_error("zipOpen64");
  for (const auto& e : entries) {
    const zip_fileinfo info{};
    zipOpenNewFileInZip2_64(zip, e.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9, 1, 1);
    const std::string stored = RawDeflate(e.data);
    zipWriteInFileInZip(zip, stored.data(), static_cast<unsigned>(stored.size()));
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), static_cast<uInt>(e.data.size()));
    const long long declared = e.declaredSize >= 0 ? e.declaredSize : static_cast<long long>(e.data.size());
    zipCloseFileInZipRaw64(zip, static_cast<ZPOS64_T>(declared), crc);
  }
  zipClose(zip, nullptr);
}

}  // namespace testing_support
