#pragma once
// A font as a descriptor: what the module asked for, kept so that a GUI
// backend can realise it and tests can check it. Nothing is rasterised.

#include <string>

#include "frame/Api.h"
#include "platform/ui/WinConstants.h"

struct LOGFONT {
  int lfHeight = 0;  // logical units as passed to the creation call
  int lfWidth = 0;
  int lfEscapement = 0;
  int lfOrientation = 0;
  int lfWeight = FW_NORMAL;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = DEFAULT_CHARSET;
  BYTE lfOutPrecision = OUT_DEFAULT_PRECIS;
  BYTE lfClipPrecision = CLIP_DEFAULT_PRECIS;
  BYTE lfQuality = DEFAULT_QUALITY;
  BYTE lfPitchAndFamily = DEFAULT_PITCH;
  std::string lfFaceName;
  bool operator==(const LOGFONT&) const = default;
};

class OVERLAYS_API CFont {
 public:
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                  BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                  BYTE pitchAndFamily, const char* faceName);
  BOOL CreateFontIndirect(const LOGFONT& font);
  // Height in tenths of a point, as the point-size creation call takes it;
  // kept as the negative pixel height of a 96-dpi screen.
  BOOL CreatePointFont(int pointSizeTenths, const char* faceName);
  BOOL DeleteObject();
  bool IsCreated() const { return created_; }
  int GetLogFont(LOGFONT* font) const;
  const LOGFONT& Descriptor() const { return font_; }

 private:
  bool created_ = false;
  LOGFONT font_;
};
