#pragma once
// The one image list with which the host and the search dialog draw wrecks,
// so that the chart and the module's lists show the same picture for a
// record: a wreck or obstruction symbol, a symbol per status, a caution
// symbol and the national flags. Every image is 32 x 18 pixels; white
// (255, 255, 255) is transparent.
//
// Image indices:
//   0..1    wreck, obstruction                 (bitmap 17010)
//   2..11   status 0..9                         (bitmap 17012)
//   12      caution                             (bitmap 17011)
//   13..    flag index f at 13 + f, 0..96       (bitmaps 25503, 25502, 25500,
//           25501, as many flags as each holds; one that cannot be found
//           through the resource chain adds nothing)

#include <array>

#include "frame/Api.h"
#include "platform/ui/ImageList.h"
#include "wrecks/WreckRecord.h"

inline constexpr UINT kWreckSymbolsBitmap = 17010;
inline constexpr UINT kWreckCautionBitmap = 17011;
inline constexpr UINT kWreckStatusBitmap = 17012;
// In the order their images join the list.
inline constexpr std::array<UINT, 4> kFlagStripBitmaps = {25503, 25502, 25500, 25501};

class OVERLAYS_API CWrecksImageList : public CImageList {
 public:
  static constexpr int kImageWidth = 32;
  static constexpr int kImageHeight = 18;
  static constexpr COLORREF kMaskColour = RGB(255, 255, 255);
  static constexpr int kFirstStatusImage = 2;
  static constexpr int kCautionImage = 12;
  static constexpr int kFirstFlagImage = 13;

  CWrecksImageList();
  ~CWrecksImageList();

  // Image of the record's status (status + 2); statuses 0..9 have one.
  static int GetStatus(WreckDataDef data);
  static int GetCaution();
  // Flag index (0..96) of the record's nationality; its image is 13 more.
  static int GetCountryCode(WreckDataDef data);
};

// Adds the flag strips the resource chain holds to a list of any image
// size, white transparent: flag index f becomes image f of a list that was
// empty.
OVERLAYS_API void AddFlagStrips(CImageList& list);
