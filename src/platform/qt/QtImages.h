#pragma once
// The window system's colour values, bitmaps and image-list images as Qt
// has them: one conversion for the backend's widgets and for the desktop
// host's chart, which draws the module's symbols without loading the
// backend (hence inline).

#include <QColor>
#include <QImage>

#include "platform/ui/ImageList.h"

namespace platform::qt {

inline QColor QtColour(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

// A bitmap's pixels; with an image list and an index, that image's
// transparent pixels are clear.
inline QImage QtImage(const CBitmap& bitmap, const CImageList* images = nullptr, int index = 0) {
  const CSize size = bitmap.GetSize();
  QImage image(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) {
      const bool clear = images && images->IsTransparent(index, x, y);
      image.setPixel(x, y, clear ? 0u : QtColour(bitmap.GetPixel(x, y)).rgb());
    }
  return image;
}

// The image at `index` of the list, its mask colour clear; null when there
// is none.
inline QImage ImageListImage(const CImageList& images, int index) {
  const CBitmap* icon = images.ExtractIcon(index);
  return icon ? QtImage(*icon, &images, index) : QImage();
}

}  // namespace platform::qt
