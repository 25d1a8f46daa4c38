#include "platform/companions/ListTable.h"

#include "platform/ui/ListCtrl.h"

namespace platform::companions {
namespace {

// The lines of a heading, each trimmed of the blanks around the break,
// joined by single spaces.
std::string OneLine(std::string_view heading) {
  std::string joined;
  while (!heading.empty()) {
    const std::size_t end = heading.find('\n');
    std::string_view line = heading.substr(0, end);
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first != std::string_view::npos) {
      line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
      if (!joined.empty()) joined += ' ';
      joined += line;
    }
    if (end == std::string_view::npos) break;
    heading.remove_prefix(end + 1);
  }
  return joined;
}

}  // namespace

ListTable ListTable::Of(const CListCtrl& list, std::string title) {
  ListTable table;
  table.title = std::move(title);
  const CHeaderCtrl& header = *list.GetHeaderCtrl();
  const int columns = list.GetColumnCount();
  for (int c = 0; c < columns; ++c) {
    HDITEM item;
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
    header.GetItem(c, &item);
    table.columns.push_back({OneLine(item.pszText), item.cxy, (item.fmt & HDF_RIGHT) != 0});
  }
  table.rows.reserve(static_cast<std::size_t>(list.GetItemCount()));
  for (int r = 0; r < list.GetItemCount(); ++r) {
    std::vector<std::string>& row = table.rows.emplace_back();
    row.reserve(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) row.push_back(list.GetItemText(r, c));
  }
  return table;
}

}  // namespace platform::companions
