#include "platform/qt/Pixmaps.h"

#include <QImage>

#include "platform/qt/DrawOpPainter.h"
#include "platform/ui/ImageList.h"

namespace platform::qt {

QPixmap QtPixmap(const CBitmap& bitmap) {
  const CSize size = bitmap.GetSize();
  QImage image(size.cx, size.cy, QImage::Format_ARGB32);
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) image.setPixelColor(x, y, QtColour(bitmap.GetPixel(x, y)));
  return QPixmap::fromImage(image);
}

QPixmap ImageListPixmap(const CImageList* images, int index) {
  const CBitmap* icon = images ? images->ExtractIcon(index) : nullptr;
  if (!icon) return {};
  const CSize size = icon->GetSize();
  QImage image(size.cx, size.cy, QImage::Format_ARGB32);
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x)
      image.setPixelColor(x, y, images->IsTransparent(index, x, y) ? QColor(Qt::transparent)
                                                                    : QtColour(icon->GetPixel(x, y)));
  return QPixmap::fromImage(image);
}

}  // namespace platform::qt
