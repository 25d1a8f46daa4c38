#pragma once
// CMyHeaderCtrl: the owner-drawn header of the module's lists. Each caption
// is a push-button face in the header's background colour with its text
// centred, one line of the caption (lines split at line feeds) under the
// other, so that long captions can take two or three short lines.

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/HeaderCtrl.h"

// How one caption is drawn: data that a backend paints and tests read.
struct HeaderItemLook {
  COLORREF face;
  COLORREF text;
  std::vector<std::string> lines;
};

class OVERLAYS_API CMyHeaderCtrl : public CHeaderCtrl {
 public:
  void SetColours(COLORREF background, COLORREF text);
  COLORREF GetBackgroundColour() const { return background_; }
  COLORREF GetTextColour() const { return text_; }
  HeaderItemLook ItemLook(int index) const;
  void DrawItem(DRAWITEMSTRUCT* draw) override;

 private:
  COLORREF background_ = 0xCC7B00;
  COLORREF text_ = 0x000000;
};

// The lines of a caption.
OVERLAYS_API std::vector<std::string> CaptionLines(std::string_view caption);
