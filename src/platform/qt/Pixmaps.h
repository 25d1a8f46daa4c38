#pragma once
// Bitmaps and image-list images as Qt pixmaps.

#include <QPixmap>

class CBitmap;
class CImageList;

namespace platform::qt {

QPixmap QtPixmap(const CBitmap& bitmap);
// The image at `index` with its mask colour transparent; null when there
// is none.
QPixmap ImageListPixmap(const CImageList* images, int index);

}  // namespace platform::qt
