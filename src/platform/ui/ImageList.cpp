#include "platform/ui/ImageList.h"

#include <algorithm>

namespace {
// Larger than any icon strip the module builds.
constexpr int kMaxImageSide = 1024;
}  // namespace

BOOL CImageList::Create(int cx, int cy, UINT flags, int, int) {
  if (created_ || cx <= 0 || cy <= 0 || cx > kMaxImageSide || cy > kMaxImageSide) return FALSE;
  cx_ = cx;
  cy_ = cy;
  flags_ = flags;
  created_ = true;
  return TRUE;
}

BOOL CImageList::DeleteImageList() {
  if (!created_) return FALSE;
  *this = CImageList{};
  return TRUE;
}

int CImageList::AddStrip(const CBitmap* strip, const std::function<bool(int, int, COLORREF)>& isTransparent) {
  if (!created_ || !strip || !strip->IsCreated()) return -1;
  const CSize size = strip->GetSize();
  const int count = size.cx / cx_;
  if (count == 0) return -1;
  const int first = GetImageCount();
  // Rows below a shorter strip stay transparent white, so the flag strips
  // serve both the 18-pixel wreck list and the 20-pixel flag icons.
  const int rows = std::min(cy_, size.cy);
  for (int n = 0; n < count; ++n) {
    Image image;
    image.pixels.CreateBitmap(cx_, cy_);
    image.transparent.assign(static_cast<std::size_t>(cx_) * static_cast<std::size_t>(cy_), false);
    for (int y = rows; y < cy_; ++y)
      for (int x = 0; x < cx_; ++x) {
        image.pixels.SetPixel(x, y, RGB(255, 255, 255));
        image.transparent[static_cast<std::size_t>(y * cx_ + x)] = true;
      }
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < cx_; ++x) {
        const COLORREF colour = strip->GetPixel(n * cx_ + x, y);
        image.pixels.SetPixel(x, y, colour);
        image.transparent[static_cast<std::size_t>(y * cx_ + x)] = isTransparent(n * cx_ + x, y, colour);
      }
    images_.push_back(std::move(image));
  }
  return first;
}

int CImageList::Add(const CBitmap* strip, COLORREF mask) {
  const bool masked = (flags_ & ILC_MASK) != 0;
  return AddStrip(strip, [&](int, int, COLORREF colour) { return masked && colour == mask; });
}

int CImageList::Add(const CBitmap* strip, const CBitmap* mask) {
  // A mask bitmap marks transparent pixels white.
  return AddStrip(strip, [&](int x, int y, COLORREF) {
    return mask && mask->IsCreated() && mask->GetPixel(x, y) == RGB(255, 255, 255);
  });
}

BOOL CImageList::Remove(int index) {
  if (index == -1) {
    images_.clear();
    return TRUE;
  }
  if (index < 0 || index >= GetImageCount()) return FALSE;
  images_.erase(images_.begin() + index);
  return TRUE;
}

const CBitmap* CImageList::ExtractIcon(int index) const {
  if (index < 0 || index >= GetImageCount()) return nullptr;
  return &images_[static_cast<std::size_t>(index)].pixels;
}

bool CImageList::IsTransparent(int index, int x, int y) const {
  if (index < 0 || index >= GetImageCount() || x < 0 || y < 0 || x >= cx_ || y >= cy_) return false;
  return images_[static_cast<std::size_t>(index)].transparent[static_cast<std::size_t>(y * cx_ + x)];
}
