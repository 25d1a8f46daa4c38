#include "platform/qt/FontMap.h"

#include <QFontDatabase>

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/qt/AnsiText.h"
#include "platform/ui/Font.h"
#include "platform/text/CodePage.h"

namespace platform::qt {
namespace {

struct FaceSubstitute {
  std::string_view requested;
  const char* installed;
};

// A face that is installed is used as it is. Otherwise DejaVu
// (fonts-dejavu-core), on every Debian desktop and close to the originals'
// widths, stands in; faces not listed keep their name and Qt's fallback.
constexpr FaceSubstitute kSubstitutes[] = {
    {"MS Shell Dlg", "DejaVu Sans"}, {"MS Shell Dlg 2", "DejaVu Sans"}, {"MS Sans Serif", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},       {"Arial", "DejaVu Sans"},          {"Verdana", "DejaVu Sans"},
    {"MS Serif", "DejaVu Serif"},    {"Times New Roman", "DejaVu Serif"}, {"Courier New", "DejaVu Sans Mono"},
    {"Courier", "DejaVu Sans Mono"},
};

// The window system measures a line of a font as tall as the font's height
// (13 pixels for the dialog font) and a character as half that; DejaVu's
// line is 13/11 of its pixel size and its average character 0.54 of it, so
// this pixel size keeps the lines the module lays out as tall as it
// measured them and their text within the widths it gave it.
constexpr int kDialogLineHeight = 13;
constexpr int kLineToPixelsNumerator = 11;
constexpr int kLineToPixelsDenominator = 13;

QString InstalledFace(const std::string& requested) {
  if (!requested.empty() && QFontDatabase::hasFamily(FromAnsi(requested))) return FromAnsi(requested);
  for (const FaceSubstitute& substitute : kSubstitutes)
    if (platform::text::EqualsIgnoringCase(substitute.requested, requested)) return substitute.installed;
  return requested.empty() ? QString("DejaVu Sans") : FromAnsi(requested);
}

// A negative height asks for the character height, a positive one for the
// cell; the window system measures both as the line.
int PixelHeight(int logicalHeight) {
  const int line = logicalHeight == 0 ? kDialogLineHeight : std::abs(logicalHeight);
  return std::max(1, (line * kLineToPixelsNumerator + kLineToPixelsDenominator / 2) / kLineToPixelsDenominator);
}

}  // namespace

QFont QtFont(const LOGFONT& font) {
  QFont result(InstalledFace(font.lfFaceName));
  result.setPixelSize(PixelHeight(font.lfHeight));
  // Both scales run from 100 to 900; 0 asks for the default weight.
  if (font.lfWeight > 0) result.setWeight(static_cast<QFont::Weight>(std::clamp(font.lfWeight, 100, 900)));
  result.setItalic(font.lfItalic != 0);
  result.setUnderline(font.lfUnderline != 0);
  result.setStrikeOut(font.lfStrikeOut != 0);
  return result;
}

QFont QtFont(const CFont* font) {
  if (font && font->IsCreated()) return QtFont(font->Descriptor());
  LOGFONT dialogFont;
  dialogFont.lfFaceName = "MS Shell Dlg";
  return QtFont(dialogFont);
}

}  // namespace platform::qt
