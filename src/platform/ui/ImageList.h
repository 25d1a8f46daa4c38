#pragma once
// CImageList: images of one size, cut from bitmap strips, with an optional
// mask colour whose pixels are transparent.

#include <functional>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/WinConstants.h"

class OVERLAYS_API CImageList {
 public:
  BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
  BOOL DeleteImageList();
  bool IsCreated() const { return created_; }
  // Cuts the strip into images of the list's width (a partial last image
  // is dropped); the index of the first added image, or -1.
  int Add(const CBitmap* strip, COLORREF mask);
  int Add(const CBitmap* strip, const CBitmap* mask);
  BOOL Remove(int index);
  int GetImageCount() const { return static_cast<int>(images_.size()); }
  CSize GetImageSize() const { return {cx_, cy_}; }
  UINT Flags() const { return flags_; }
  // The image at an index (an icon), or null.
  const CBitmap* ExtractIcon(int index) const;
  bool IsTransparent(int index, int x, int y) const;

 private:
  struct Image {
    CBitmap pixels;
    std::vector<bool> transparent;
  };
  int AddStrip(const CBitmap* strip, const std::function<bool(int, int, COLORREF)>& isTransparent);

  bool created_ = false;
  int cx_ = 0;
  int cy_ = 0;
  UINT flags_ = 0;
  std::vector<Image> images_;
};
