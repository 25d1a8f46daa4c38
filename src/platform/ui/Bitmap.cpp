#include "platform/ui/Bitmap.h"

#include "platform/ui/ResourceChain.h"

namespace {
// Larger than any picture or image strip of the module; a hostile size from
// data never reaches the allocator.
constexpr int kMaxSide = 16384;
}  // namespace

BOOL CBitmap::LoadBitmap(UINT resourceId) {
  const platform::ui::BitmapResource* resource = platform::ui::ResourceChain::FindBitmap(resourceId);
  if (!resource || created_) return FALSE;
  const std::size_t count = static_cast<std::size_t>(resource->width) * static_cast<std::size_t>(resource->height);
  if (resource->width <= 0 || resource->height <= 0 || resource->width > kMaxSide || resource->height > kMaxSide ||
      resource->pixels.size() != count)
    return FALSE;
  width_ = resource->width;
  height_ = resource->height;
  pixels_.assign(resource->pixels.begin(), resource->pixels.end());
  created_ = true;
  return TRUE;
}

BOOL CBitmap::CreateBitmap(int width, int height) {
  if (created_ || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return FALSE;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  created_ = true;
  return TRUE;
}

BOOL CBitmap::DeleteObject() {
  if (!created_) return FALSE;
  *this = CBitmap{};
  return TRUE;
}

COLORREF CBitmap::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

void CBitmap::SetPixel(int x, int y, COLORREF colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = colour;
}
