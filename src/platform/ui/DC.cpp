#include "platform/ui/DC.h"

#include <algorithm>
#include <utility>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TextMetrics.h"

COLORREF CDC::SetTextColor(COLORREF colour) { return std::exchange(textColour_, colour); }
COLORREF CDC::SetBkColor(COLORREF colour) { return std::exchange(bkColour_, colour); }
int CDC::SetBkMode(int mode) { return std::exchange(bkMode_, mode); }
CFont* CDC::SelectObject(CFont* font) { return std::exchange(font_, font); }
CBitmap* CDC::SelectObject(CBitmap* bitmap) { return std::exchange(bitmap_, bitmap); }

CSize CDC::GetTextExtent(std::string_view text) const { return platform::ui::TextExtent(font_, text); }

void CDC::PaintPixels(const CRect& rect, COLORREF colour) {
  if (!bitmap_) return;
  const CSize size = bitmap_->GetSize();
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, size.cy); ++y)
    for (int x = std::max(rect.left, 0); x < std::min(rect.right, size.cx); ++x) bitmap_->SetPixel(x, y, colour);
}

void CDC::FillSolidRect(const CRect& rect, COLORREF colour) {
  ops_.push_back({DrawOp::Kind::Fill, rect, colour, 0, {}});
  PaintPixels(rect, colour);
}

void CDC::FrameRect(const CRect& rect, COLORREF colour) {
  ops_.push_back({DrawOp::Kind::Frame, rect, colour, 0, {}});
  PaintPixels({rect.left, rect.top, rect.right, rect.top + 1}, colour);
  PaintPixels({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  PaintPixels({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  PaintPixels({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void CDC::DrawEdge(const CRect& rect, int edge) { ops_.push_back({DrawOp::Kind::Edge, rect, 0, edge, {}}); }

void CDC::FillRect(const CRect& rect, const CBrush* brush) {
  if (brush) FillSolidRect(rect, brush->Colour());
}

void CDC::DrawText(std::string_view text, const CRect& rect, UINT format) {
  ops_.push_back({DrawOp::Kind::Text, rect, textColour_, 0, std::string(text), format, font_, nullptr, bkColour_,
                  bkMode_ == OPAQUE});
}

void CDC::DrawLine(CPoint from, CPoint to, int penStyle, COLORREF colour) {
  ops_.push_back({DrawOp::Kind::Line, CRect(from.x, from.y, to.x, to.y), colour, penStyle, {}});
}

void CDC::DrawFocusRect(const CRect& rect) { ops_.push_back({DrawOp::Kind::FocusRect, rect, 0, 0, {}}); }

void CDC::DrawBitmap(std::string_view name, const CRect& rect) {
  ops_.push_back({DrawOp::Kind::Bitmap, rect, 0, 0, std::string(name)});
}

void CDC::DrawImage(const CImageList& images, int index, CPoint at) {
  const CSize size = images.GetImageSize();
  DrawOp op{DrawOp::Kind::Image, CRect(at.x, at.y, at.x + size.cx, at.y + size.cy), 0, index, {}};
  op.images = &images;
  ops_.push_back(std::move(op));
}
