#pragma once
// A strict RFC 4180 reader for tests that read back what an export wrote:
// records end with CR LF; a field is quoted when it starts with a quote,
// and inside it a doubled quote stands for one. Any other quote, a bare
// line feed outside quotes, or text after a closing quote makes the text
// unreadable.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

using CsvRecords = std::vector<std::vector<std::string>>;

// The records, or nothing when the text breaks the rules above.
std::optional<CsvRecords> ReadCsv(std::string_view text);

}  // namespace testing_support
