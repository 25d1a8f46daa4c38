#pragma once
// A list as comma-separated values (RFC 4180): a header row of the column
// headings, then every row; fields holding a comma, a double quote, a
// carriage return or a line feed are quoted, with their quotes doubled;
// records end with CR LF. The text is UTF-8, converted from the list's
// Windows-1252.

#include <string>

#include "frame/Api.h"
#include "platform/companions/ListTable.h"

namespace platform::companions {

OVERLAYS_API std::string ListCsv(const ListTable& table);

}  // namespace platform::companions
