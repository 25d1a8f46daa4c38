#include "wrecks/WrecksImageList.h"

#include <string_view>

#include "wrecks/CountryTable.h"

namespace {
// Room for every image the list is ever given (13 symbols and 97 flags), so
// adding never has to grow it.
constexpr int kInitialImages = 250;
constexpr int kGrowBy = 1;

void AddBitmapStrip(CImageList& list, UINT bitmapId) {
  CBitmap strip;
  if (strip.LoadBitmap(bitmapId)) list.Add(&strip, CWrecksImageList::kMaskColour);
}

}  // namespace

CWrecksImageList::CWrecksImageList() {
  Create(kImageWidth, kImageHeight, ILC_COLOR24 | ILC_MASK, kInitialImages, kGrowBy);
  AddBitmapStrip(*this, kWreckSymbolsBitmap);
  AddBitmapStrip(*this, kWreckStatusBitmap);
  AddBitmapStrip(*this, kWreckCautionBitmap);
  AddFlagStrips(*this);
}

void AddFlagStrips(CImageList& list) {
  for (const UINT strip : kFlagStripBitmaps) AddBitmapStrip(list, strip);
}

CWrecksImageList::~CWrecksImageList() = default;

int CWrecksImageList::GetStatus(WreckDataDef data) { return data.status + kFirstStatusImage; }

int CWrecksImageList::GetCaution() { return kCautionImage; }

int CWrecksImageList::GetCountryCode(WreckDataDef data) {
  return FlagIndexFromCode(std::string_view(data.nationality, sizeof data.nationality));
}
