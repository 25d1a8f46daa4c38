#include "platform/qt/Pixmaps.h"

#include "platform/qt/QtImages.h"

namespace platform::qt {

QPixmap QtPixmap(const CBitmap& bitmap) { return QPixmap::fromImage(QtImage(bitmap)); }

QPixmap ImageListPixmap(const CImageList* images, int index) {
  return images ? QPixmap::fromImage(ImageListImage(*images, index)) : QPixmap();
}

}  // namespace platform::qt
