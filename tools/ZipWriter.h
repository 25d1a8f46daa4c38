#pragma once
// Writes ZIP archives through minizip's zip API, so that archives read by
// the module in tests, benchmarks and sample packages come from an
// independent writer rather than from our own reader's assumptions.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tools {

// 12 June 2024 10:20:30 as a DOS date and time.
inline constexpr std::uint32_t kDefaultDosDateTime = ((2024u - 1980u) << 25) | (6u << 21) | (12u << 16) |
                                                     (10u << 11) | (20u << 5) | (30u / 2);

struct ZipEntry {
  std::string name;  // stored as given: '/' or '\' separators, any bytes
  std::uint32_t dosDateTime = kDefaultDosDateTime;
  bool folder = false;
  int level = 6;  // 0 stores the data uncompressed
  std::string comment;
  bool utf8Name = false;  // sets general purpose bit 11
};

class ZipWriter {
 public:
  explicit ZipWriter(const std::filesystem::path& hostPath);  // throws std::runtime_error
  ~ZipWriter();
  ZipWriter(const ZipWriter&) = delete;
  ZipWriter& operator=(const ZipWriter&) = delete;

  void Add(const ZipEntry& entry, std::string_view data = {});
  void AddFile(std::string name, std::string_view data);
  void AddFolder(std::string name);

  // For entries too large to hold in memory: Begin, Write any number of
  // times, End.
  void Begin(const ZipEntry& entry);
  void Write(std::string_view data);
  void End();

  void Close();

 private:
  void* zip_ = nullptr;
};

}  // namespace tools
