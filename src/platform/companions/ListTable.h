#pragma once
// What an export takes of a report list: its title, the columns (heading on
// one line, width in pixels, alignment) and the text of every cell, in the
// list's own Windows-1252.

#include <string>
#include <vector>

#include "frame/Api.h"

class CListCtrl;

namespace platform::companions {

struct ListColumn {
  std::string heading;
  int width = 0;  // pixels; 0 for a column the user has hidden
  bool alignRight = false;
};

struct ListTable {
  std::string title;
  std::vector<ListColumn> columns;
  // One cell per column in every row.
  std::vector<std::vector<std::string>> rows;

  // A two-line heading ("Depth\n(m)") becomes "Depth (m)".
  OVERLAYS_API static ListTable Of(const CListCtrl& list, std::string title);
};

}  // namespace platform::companions
