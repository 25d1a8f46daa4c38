#include "support/CsvRecords.h"

#include <utility>

namespace testing_support {

std::optional<CsvRecords> ReadCsv(std::string_view text) {
  CsvRecords records;
  std::vector<std::string> record;
  std::string field;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '"') {
      for (++i;; ++i) {
        if (i >= text.size()) return std::nullopt;
        if (text[i] == '"' && (i + 1 >= text.size() || text[i + 1] != '"')) break;
        if (text[i] == '"') ++i;
        field += text[i];
      }
      ++i;
    } else {
      for (; i < text.size() && text[i] != ',' && text[i] != '\r'; ++i) {
        if (text[i] == '"' || text[i] == '\n') return std::nullopt;
        field += text[i];
      }
    }
    if (i < text.size() && text[i] == ',') {
      record.push_back(std::exchange(field, {}));
      ++i;
    } else if (text.substr(i, 2) == "\r\n") {
      record.push_back(std::exchange(field, {}));
      records.push_back(std::exchange(record, {}));
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  if (!record.empty() || !field.empty()) return std::nullopt;
  return records;
}

}  // namespace testing_support
