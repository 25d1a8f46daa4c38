#pragma once
// A list printed as a PDF document: on A4 pages, the title at the top of
// each page, the column headings under it, then the rows, "Page N of M" at
// the foot. The columns keep the proportions of their widths in the list
// (hidden, zero-width columns stay hidden) and fill the width of the page;
// the page turns to landscape when the columns at their screen size would
// not fit across a portrait one. A cell too long for its column is cut
// short with an ellipsis. Text is the list's Windows-1252, which the PDF's
// WinAnsiEncoding fonts show as it is.

#include <optional>
#include <string>
#include <string_view>

#include "frame/Api.h"
#include "platform/companions/ListTable.h"

namespace platform::companions {

// The document's bytes, or none with a one-line reason.
OVERLAYS_API std::optional<std::string> RenderListPdf(const ListTable& table, std::string& reason);

// Renders the list into a file at a Windows path, written as a whole or
// not at all.
OVERLAYS_API bool WriteListPdf(const ListTable& table, std::string_view path, std::string& reason);

}  // namespace platform::companions
