#pragma once
// Writes wreck database records: the exact inverse of the module's reader
// (nationality bytes and every string byte complemented, little-endian
// counts), for tests, benchmarks and the sample data.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "wrecks/WreckRecord.h"

namespace tools {

// Appends one record to `out`. At most 255 outline points are written (the
// format's count is one byte).
void AppendWreckRecord(std::string& out, const WreckDef& record);

// Appends one stored string (length, then the complemented bytes).
void AppendStoredString(std::string& out, std::string_view text);

// Writes bytes to a host file; throws std::runtime_error on failure.
void WriteHostFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tools
