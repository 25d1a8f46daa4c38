#pragma once
// A bitmap as its pixels (colour values, row by row from the top). Bitmaps
// come from the resource chain or are drawn by the module (colour swatches).

#include <vector>

#include "frame/Api.h"
#include "platform/ui/WinTypes.h"

class OVERLAYS_API CBitmap {
 public:
  // From the resource chain; false when no module has the id.
  BOOL LoadBitmap(UINT resourceId);
  // A blank bitmap (black) of the given size; sizes above 16384 are refused.
  BOOL CreateBitmap(int width, int height);
  BOOL DeleteObject();
  bool IsCreated() const { return created_; }
  CSize GetSize() const { return {width_, height_}; }
  // Out-of-range pixels read as 0 and ignore writes.
  COLORREF GetPixel(int x, int y) const;
  void SetPixel(int x, int y, COLORREF colour);
  const std::vector<COLORREF>& Pixels() const { return pixels_; }

 private:
  bool created_ = false;
  int width_ = 0;
  int height_ = 0;
  std::vector<COLORREF> pixels_;
};
