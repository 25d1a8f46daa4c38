#pragma once
// CFlagsImageList (flag icon library): the status icons of a wreck record,
// one per status value 0..9, 16 x 16 pixels, white transparent. The list
// owns its icons; a holder shows them and never frees them.

#include "frame/Api.h"
#include "platform/ui/ImageList.h"

class OVERLAYS_API CFlagsImageList : public CImageList {
 public:
  static constexpr int kIconSize = 16;
  static constexpr int kStatusCount = 10;

  CFlagsImageList();
  ~CFlagsImageList();

  // The icon of a status value; null for a value without one (the value
  // comes from a record, so any int may arrive).
  HICON GetIcon(int index) const { return ExtractIcon(index); }
};
