#include "platform/companions/CompanionImageStrip.h"

namespace companions {

void LoadImageStrip(CImageList& list, int size, UINT bitmapId) {
  constexpr COLORREF kMaskColour = RGB(255, 255, 255);
  list.Create(size, size, ILC_COLOR24 | ILC_MASK, 0, 1);
  CBitmap strip;
  if (strip.LoadBitmap(bitmapId)) list.Add(&strip, kMaskColour);
}

}  // namespace companions
