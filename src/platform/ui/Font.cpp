#include "platform/ui/Font.h"

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, const char* faceName) {
  LOGFONT f;
  f.lfHeight = height;
  f.lfWidth = width;
  f.lfEscapement = escapement;
  f.lfOrientation = orientation;
  f.lfWeight = weight;
  f.lfItalic = italic;
  f.lfUnderline = underline;
  f.lfStrikeOut = strikeOut;
  f.lfCharSet = charSet;
  f.lfOutPrecision = outPrecision;
  f.lfClipPrecision = clipPrecision;
  f.lfQuality = quality;
  f.lfPitchAndFamily = pitchAndFamily;
  f.lfFaceName = faceName ? faceName : "";
  return CreateFontIndirect(f);
}

BOOL CFont::CreateFontIndirect(const LOGFONT& font) {
  // Creating over a live font is refused, as the platform refuses to attach
  // a second object to one wrapper.
  if (created_) return FALSE;
  font_ = font;
  created_ = true;
  return TRUE;
}

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName) {
  LOGFONT f;
  // 96 pixels per inch, 72 points per inch; rounded to the nearest pixel.
  f.lfHeight = -((pointSizeTenths * 96 + 360) / 720);
  f.lfFaceName = faceName ? faceName : "";
  return CreateFontIndirect(f);
}

BOOL CFont::DeleteObject() {
  if (!created_) return FALSE;
  created_ = false;
  font_ = LOGFONT{};
  return TRUE;
}

int CFont::GetLogFont(LOGFONT* font) const {
  if (!created_ || !font) return 0;
  *font = font_;
  return 1;
}
