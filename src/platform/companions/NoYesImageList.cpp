#include "platform/companions/NoYesImageList.h"

#include "platform/companions/CompanionImageStrip.h"
#include "platform/companions/CompanionResources.h"

CNoYesImageList::CNoYesImageList() { companions::LoadImageStrip(*this, kImageSize, companions::kNoYesBitmap); }

CNoYesImageList::~CNoYesImageList() = default;
