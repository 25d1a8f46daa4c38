#include "chart/ImageListPictures.h"

#include "platform/qt/QtImages.h"

namespace chart {

std::vector<QImage> PicturesOf(const CImageList& list) {
  std::vector<QImage> pictures;
  for (int index = 0; index < list.GetImageCount(); ++index) pictures.push_back(platform::qt::ImageListImage(list, index));
  return pictures;
}

}  // namespace chart
