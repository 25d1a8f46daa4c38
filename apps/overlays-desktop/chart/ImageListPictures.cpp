#include "chart/ImageListPictures.h"

namespace chart {

std::vector<QImage> PicturesOf(const CImageList& list) {
  std::vector<QImage> pictures;
  for (int index = 0; index < list.GetImageCount(); ++index) {
    const CBitmap* bitmap = list.ExtractIcon(index);
    if (!bitmap) {
      pictures.emplace_back();
      continue;
    }
    const CSize size = bitmap->GetSize();
    QImage picture(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) {
        const COLORREF c = bitmap->GetPixel(x, y);
        picture.setPixel(x, y, list.IsTransparent(index, x, y)
                                   ? 0u
                                   : qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
      }
    }
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

}  // namespace chart
