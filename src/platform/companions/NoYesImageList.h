#pragma once
// CNoYesImageList (list support library): the images of a two-choice
// column of a list control. Choice i is drawn with image i: 0 "No" or
// "Hide", 1 "Yes" or "Show". 16 x 16 pixels, white is transparent.

#include "frame/Api.h"
#include "platform/ui/ImageList.h"

class OVERLAYS_API CNoYesImageList : public CImageList {
 public:
  static constexpr int kImageSize = 16;
  static constexpr int kNo = 0;
  static constexpr int kYes = 1;

  CNoYesImageList();
  ~CNoYesImageList();
};
