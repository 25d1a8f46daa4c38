#pragma once
// The module's image lists as Qt images, converted once when a layer is
// made: the chart draws the same pictures the module's lists show, with
// the list's transparent pixels clear.

#include <QImage>

#include <vector>

#include "platform/ui/ImageList.h"

namespace chart {

// One image an entry of the list, in its order.
std::vector<QImage> PicturesOf(const CImageList& list);

}  // namespace chart
