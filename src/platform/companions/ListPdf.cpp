#include "platform/companions/ListPdf.h"

#include <hpdf.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/fs/ReplaceFile.h"

namespace platform::companions {
namespace {

// Sizes in points (1/72 inch). A4 is 595 x 842.
constexpr HPDF_REAL kMargin = 36;
constexpr HPDF_REAL kTitleSize = 12;
constexpr HPDF_REAL kTextSize = 8;
// Rows are spaced a little wider than the text so that the descenders of
// one row clear the capitals of the next.
constexpr HPDF_REAL kRowHeight = kTextSize * 1.4f;
constexpr HPDF_REAL kCellPadding = 2;
constexpr HPDF_REAL kRuleWidth = 0.5f;
// Screen pixels are 1/96 inch.
constexpr HPDF_REAL kPointsPerPixel = 72.0f / 96.0f;
// WinAnsiEncoding's horizontal ellipsis.
constexpr char kEllipsis = '\x85';

struct DocumentCloser {
  void operator()(HPDF_Doc doc) const noexcept { HPDF_Free(doc); }
};
using Document = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, DocumentCloser>;

// libharu reports an error through this handler and carries on; the first
// one is kept and fails the whole document.
void KeepFirstError(HPDF_STATUS error, HPDF_STATUS detail, void* data) {
  auto* first = static_cast<std::pair<HPDF_STATUS, HPDF_STATUS>*>(data);
  if (first->first == HPDF_OK) *first = {error, detail};
}

struct PlacedColumn {
  std::size_t index = 0;  // in the table
  HPDF_REAL left = 0;
  HPDF_REAL width = 0;
  bool alignRight = false;
};

struct PageLayout {
  bool landscape = false;
  HPDF_REAL width = 0;
  HPDF_REAL height = 0;
  std::vector<PlacedColumn> columns;
  std::size_t rowsPerPage = 1;
  std::size_t pages = 1;

  HPDF_REAL TitleBaseline() const { return height - kMargin - kTitleSize; }
  HPDF_REAL HeadingBaseline() const { return TitleBaseline() - kTitleSize - kTextSize; }
  HPDF_REAL FirstRowBaseline() const { return HeadingBaseline() - kRowHeight - kRuleWidth; }
  HPDF_REAL FooterBaseline() const { return kMargin; }
};

PageLayout LayOut(const ListTable& table) {
  PageLayout page;
  HPDF_REAL screenWidth = 0;
  for (const ListColumn& column : table.columns) screenWidth += std::max(column.width, 0) * kPointsPerPixel;
  constexpr HPDF_REAL kShortSide = 595, kLongSide = 842;
  page.landscape = screenWidth > kShortSide - 2 * kMargin;
  page.width = page.landscape ? kLongSide : kShortSide;
  page.height = page.landscape ? kShortSide : kLongSide;
  const HPDF_REAL scale = screenWidth > 0 ? (page.width - 2 * kMargin) / screenWidth : 0;
  HPDF_REAL left = kMargin;
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    const ListColumn& column = table.columns[c];
    if (column.width <= 0) continue;
    const HPDF_REAL width = column.width * kPointsPerPixel * scale;
    page.columns.push_back({c, left, width, column.alignRight});
    left += width;
  }
  const HPDF_REAL bodyHeight = page.FirstRowBaseline() - (page.FooterBaseline() + kRowHeight);
  page.rowsPerPage = std::max<std::size_t>(1, static_cast<std::size_t>(bodyHeight / kRowHeight) + 1);
  page.pages = std::max<std::size_t>(1, (table.rows.size() + page.rowsPerPage - 1) / page.rowsPerPage);
  return page;
}

// Line breaks and other control bytes have no glyph; a cell stays on its
// line.
std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return out;
}

// The text cut to fit a width, ending in an ellipsis when it was cut.
std::string Fitted(HPDF_Font font, HPDF_REAL size, std::string_view cell, HPDF_REAL width) {
  std::string text = Printable(cell);
  const auto* bytes = reinterpret_cast<const HPDF_BYTE*>(text.data());
  const auto length = static_cast<HPDF_UINT>(text.size());
  if (HPDF_Font_MeasureText(font, bytes, length, width, size, 0, 0, HPDF_FALSE, nullptr) >= length) return text;
  const HPDF_BYTE ellipsis = static_cast<HPDF_BYTE>(kEllipsis);
  const HPDF_REAL room = width - HPDF_Font_TextWidth(font, &ellipsis, 1).width * size / 1000;
  text.resize(room > 0 ? HPDF_Font_MeasureText(font, bytes, length, room, size, 0, 0, HPDF_FALSE, nullptr) : 0);
  text += kEllipsis;
  return text;
}

class PageWriter {
 public:
  PageWriter(HPDF_Doc doc, const PageLayout& layout) : doc_(doc), layout_(layout) {
    regular_ = HPDF_GetFont(doc, "Helvetica", "WinAnsiEncoding");
    bold_ = HPDF_GetFont(doc, "Helvetica-Bold", "WinAnsiEncoding");
  }

  void Write(const ListTable& table, std::size_t pageIndex) {
    page_ = HPDF_AddPage(doc_);
    // Each page's content starts without a font.
    font_ = nullptr;
    HPDF_Page_SetSize(page_, HPDF_PAGE_SIZE_A4, layout_.landscape ? HPDF_PAGE_LANDSCAPE : HPDF_PAGE_PORTRAIT);
    const std::size_t first = pageIndex * layout_.rowsPerPage;
    const std::size_t last = std::min(table.rows.size(), first + layout_.rowsPerPage);
    Rule(layout_.HeadingBaseline() - (kRowHeight - kTextSize));
    HPDF_Page_BeginText(page_);
    Text(bold_, kTitleSize, table.title, kMargin, layout_.TitleBaseline(), layout_.width - 2 * kMargin, false);
    for (const PlacedColumn& column : layout_.columns)
      Cell(bold_, table.columns[column.index].heading, column, layout_.HeadingBaseline());
    HPDF_REAL baseline = layout_.FirstRowBaseline();
    for (std::size_t r = first; r < last; ++r, baseline -= kRowHeight)
      for (const PlacedColumn& column : layout_.columns)
        if (column.index < table.rows[r].size()) Cell(regular_, table.rows[r][column.index], column, baseline);
    Footer(pageIndex);
    HPDF_Page_EndText(page_);
  }

 private:
  void Rule(HPDF_REAL y) {
    HPDF_Page_SetLineWidth(page_, kRuleWidth);
    HPDF_Page_MoveTo(page_, kMargin, y);
    HPDF_Page_LineTo(page_, layout_.width - kMargin, y);
    HPDF_Page_Stroke(page_);
  }

  void Cell(HPDF_Font font, std::string_view text, const PlacedColumn& column, HPDF_REAL baseline) {
    const HPDF_REAL room = column.width - 2 * kCellPadding;
    Text(font, kTextSize, text, column.left + kCellPadding, baseline, room, column.alignRight);
  }

  void Footer(std::size_t pageIndex) {
    const std::string text = "Page " + std::to_string(pageIndex + 1) + " of " + std::to_string(layout_.pages);
    SetFont(regular_, kTextSize);
    const HPDF_REAL width = HPDF_Page_TextWidth(page_, text.c_str());
    HPDF_Page_TextOut(page_, (layout_.width - width) / 2, layout_.FooterBaseline(), text.c_str());
  }

  void Text(HPDF_Font font, HPDF_REAL size, std::string_view text, HPDF_REAL left, HPDF_REAL baseline, HPDF_REAL width,
            bool alignRight) {
    if (text.empty() || width <= 0) return;
    const std::string fitted = Fitted(font, size, text, width);
    SetFont(font, size);
    const HPDF_REAL x = alignRight ? left + width - HPDF_Page_TextWidth(page_, fitted.c_str()) : left;
    HPDF_Page_TextOut(page_, x, baseline, fitted.c_str());
  }

  // Setting the font anew for every cell would fill the page's content
  // stream with repeats.
  void SetFont(HPDF_Font font, HPDF_REAL size) {
    if (font == font_ && size == size_) return;
    HPDF_Page_SetFontAndSize(page_, font, size);
    font_ = font;
    size_ = size;
  }

  HPDF_Doc doc_;
  const PageLayout& layout_;
  HPDF_Font regular_ = nullptr;
  HPDF_Font bold_ = nullptr;
  HPDF_Page page_ = nullptr;
  HPDF_Font font_ = nullptr;
  HPDF_REAL size_ = 0;
};

std::string Describe(std::pair<HPDF_STATUS, HPDF_STATUS> error) {
  char text[64];
  std::snprintf(text, sizeof text, "The PDF could not be made (libharu error 0x%04lX, %lu)",
                static_cast<unsigned long>(error.first), static_cast<unsigned long>(error.second));
  return text;
}

}  // namespace

std::optional<std::string> RenderListPdf(const ListTable& table, std::string& reason) {
  std::pair<HPDF_STATUS, HPDF_STATUS> error{HPDF_OK, 0};
  Document doc(HPDF_New(KeepFirstError, &error));
  if (!doc) {
    reason = "The PDF could not be made: out of memory";
    return std::nullopt;
  }
  HPDF_SetCompressionMode(doc.get(), HPDF_COMP_ALL);
  HPDF_SetInfoAttr(doc.get(), HPDF_INFO_TITLE, Printable(table.title).c_str());
  const PageLayout layout = LayOut(table);
  PageWriter writer(doc.get(), layout);
  for (std::size_t page = 0; page < layout.pages && error.first == HPDF_OK; ++page) writer.Write(table, page);
  if (error.first == HPDF_OK) HPDF_SaveToStream(doc.get());
  std::string pdf(error.first == HPDF_OK ? HPDF_GetStreamSize(doc.get()) : 0, '\0');
  auto size = static_cast<HPDF_UINT32>(pdf.size());
  if (error.first == HPDF_OK) HPDF_ReadFromStream(doc.get(), reinterpret_cast<HPDF_BYTE*>(pdf.data()), &size);
  if (error.first != HPDF_OK) {
    reason = Describe(error);
    return std::nullopt;
  }
  pdf.resize(size);
  return pdf;
}

bool WriteListPdf(const ListTable& table, std::string_view path, std::string& reason) {
  const std::optional<std::string> pdf = RenderListPdf(table, reason);
  return pdf && platform::fs::ReplaceFileWith(path, *pdf, reason);
}

}  // namespace platform::companions
