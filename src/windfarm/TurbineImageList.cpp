#include "windfarm/TurbineImageList.h"

#include "windfarm/WindFarmResources.h"

namespace {
constexpr int kInitialImages = 8;
constexpr int kGrowBy = 1;
}  // namespace

// A strip missing from the resource chain leaves the list empty: the rows
// then show no picture, nothing worse.
CTurbineImageList::CTurbineImageList() {
  Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, kInitialImages, kGrowBy);
  CBitmap strip;
  if (strip.LoadBitmap(IDB_TURBINE_IMAGES)) Add(&strip, kMaskColour);
}
