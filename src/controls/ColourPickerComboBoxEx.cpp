#include "controls/ColourPickerComboBoxEx.h"

#include "controls/StandardColours.h"
#include "platform/ui/DC.h"

CBitmap CColourPickerComboBoxEx::SwatchStrip() {
  constexpr int size = kSwatchSize;
  CBitmap strip;
  strip.CreateBitmap(size * static_cast<int>(kStandardColours.size()), size);
  CDC dc;
  dc.SelectObject(&strip);
  for (std::size_t i = 0; i < kStandardColours.size(); ++i) {
    const CRect cell(static_cast<int>(i) * size, 0, static_cast<int>(i + 1) * size, size);
    dc.FillSolidRect(cell, CColourPickerComboBoxEx::kSwatchBackground);
    CRect frame = cell;
    frame.DeflateRect(1);
    dc.FrameRect(frame, CColourPickerComboBoxEx::kSwatchFrame);
    frame.DeflateRect(1);
    dc.FillSolidRect(frame, kStandardColours[i].value);
  }
  return strip;
}

void CColourPickerComboBoxEx::Fill() {
  ResetContent();
  swatches_.DeleteImageList();
  swatches_.Create(kSwatchSize, kSwatchSize, ILC_COLOR24 | ILC_MASK, static_cast<int>(kStandardColours.size()), 0);
  const CBitmap strip = SwatchStrip();
  swatches_.Add(&strip, kSwatchBackground);
  SetImageList(&swatches_);
  for (std::size_t i = 0; i < kStandardColours.size(); ++i) {
    COMBOBOXEXITEM item;
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<int>(i);
    item.pszText = std::string(kStandardColours[i].name);
    item.iImage = item.iSelectedImage = static_cast<int>(i);
    InsertItem(&item);
  }
}

void CColourPickerComboBoxEx::SetColour(COLORREF colour) { SetCurSel(StandardColourIndex(colour)); }

COLORREF CColourPickerComboBoxEx::GetColour() const {
  return GetCurSel() < 0 ? 0 : StandardColourValue(GetCurSel());
}
