#pragma once
// The images of turbine rows: 16 x 16 pixels cut from bitmap 1000, white
// transparent. A turbine record holds the index of its image; the sample
// data gives each status its own (0 a turbine of unknown status, 1 live, 2
// planned, 3 under construction, 4 decommissioned).

#include "frame/Api.h"
#include "platform/ui/ImageList.h"

class OVERLAYS_API CTurbineImageList : public CImageList {
 public:
  static constexpr int kImageSize = 16;
  static constexpr COLORREF kMaskColour = RGB(255, 255, 255);

  CTurbineImageList();
};
