// Writes the bundled sample wreck package: a "WKZ" archive holding one
// database of about 5,000 invented wrecks and obstructions around the
// British Isles, and a note saying what the data is.
//   make_sample_package OUTPUT.WKZ

#include <exception>
#include <filesystem>
#include <iostream>

#include "SampleWrecks.h"
#include "ZipWriter.h"

namespace {

constexpr std::uint64_t kSeed = 2026;
constexpr std::size_t kRecords = 5000;
constexpr char kDatabaseName[] = "Sample Wrecks Jan 2026.WRK";
// 15 January 2026 12:00, the issue date the title announces.
constexpr std::uint32_t kIssued = ((2026u - 1980u) << 25) | (1u << 21) | (15u << 16) | (12u << 11);
constexpr char kNote[] =
    "Sample wreck and obstruction data\r\n"
    "\r\n"
    "Every record in this database is invented. The positions lie in open\r\n"
    "water around the British Isles, but no wreck, obstruction, name or\r\n"
    "history in it is real, and none of it may be used for navigation.\r\n"
    "The data was generated for demonstrating and testing the overlays\r\n"
    "module and is free to copy.\r\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sample_package OUTPUT.WKZ\n";
    return 2;
  }
  try {
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out.parent_path());
    tools::ZipWriter zip(out);
    tools::ZipEntry entry;
    entry.dosDateTime = kIssued;
    entry.name = kDatabaseName;
    zip.Add(entry, tools::SampleWreckDatabase(kSeed, kRecords));
    entry.name = "About the sample data.txt";
    zip.Add(entry, kNote);
    zip.Close();
  } catch (const std::exception& e) {
    std::cerr << "make_sample_package: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
