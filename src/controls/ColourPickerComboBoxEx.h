#pragma once
// CColourPickerComboBoxEx: a drop-down list of the 28 standard colours,
// each with its name and a 16 by 16 swatch (white, a 1-pixel frame, the
// colour inside) from an image list masked by white.

#include "frame/Api.h"
#include "platform/ui/ComboBoxEx.h"
#include "platform/ui/ImageList.h"

class OVERLAYS_API CColourPickerComboBoxEx : public CComboBoxEx {
 public:
  // Empties the box and fills it with the colours and their swatches.
  void Fill();
  // Selects a colour by exact value; a colour not in the table selects
  // the first entry ("Black").
  void SetColour(COLORREF colour);
  // The chosen colour; 0 when nothing is chosen.
  COLORREF GetColour() const;
  const CImageList& Swatches() const { return swatches_; }

  static constexpr int kSwatchSize = 16;
  // All swatches side by side, in table order, as one strip for an image
  // list; kSwatchBackground is their transparent colour.
  static CBitmap SwatchStrip();
  static constexpr COLORREF kSwatchBackground = 0xFFFFFF;
  static constexpr COLORREF kSwatchFrame = 0x000000;

 private:
  CImageList swatches_;
};
