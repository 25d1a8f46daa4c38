#include "platform/companions/FlagsImageList.h"

#include "platform/companions/CompanionImageStrip.h"
#include "platform/companions/CompanionResources.h"

CFlagsImageList::CFlagsImageList() {
  companions::LoadImageStrip(*this, kIconSize, companions::kStatusIconsBitmap);
}

CFlagsImageList::~CFlagsImageList() = default;
