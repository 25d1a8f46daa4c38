#pragma once
// Writes a KMZ archive for a test with the independent zip writer: each
// entry a name and its text.

#include <filesystem>
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

}  // namespace testing_support
