#include "platform/companions/ListCsv.h"

#include <string_view>

#include "platform/text/CodePage.h"

namespace platform::companions {
namespace {

void AppendField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

template <class Fields, class Text>
void AppendRecord(std::string& out, const Fields& fields, Text text) {
  bool first = true;
  for (const auto& field : fields) {
    if (!first) out += ',';
    first = false;
    AppendField(out, text(field));
  }
  out += "\r\n";
}

}  // namespace

std::string ListCsv(const ListTable& table) {
  std::string ansi;
  AppendRecord(ansi, table.columns, [](const ListColumn& column) -> std::string_view { return column.heading; });
  for (const std::vector<std::string>& row : table.rows)
    AppendRecord(ansi, row, [](const std::string& cell) -> std::string_view { return cell; });
  // Quotes, commas and line ends are ASCII, so converting the whole text
  // leaves the quoting intact.
  return platform::text::Utf8FromAnsi(ansi);
}

}  // namespace platform::companions
