#pragma once
// Fills a companion library's image list from one of its bitmap strips.

#include "platform/ui/ImageList.h"

namespace companions {

// A masked list of square images of `size` pixels, white transparent, cut
// from the strip; the list stays empty when the strip cannot be found.
void LoadImageStrip(CImageList& list, int size, UINT bitmapId);

}  // namespace companions
