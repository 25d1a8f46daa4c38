#include "platform/qt/FontMap.h"

#include <algorithm>
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

// DejaVu (fonts-dejavu-core) is on every Debian desktop and close to the
// originals' widths; faces not listed keep their own name and Qt's own
// fallback.
constexpr FaceSubstitute kSubstitutes[] = {
    {"MS Shell Dlg", "DejaVu Sans"}, {"MS Shell Dlg 2", "DejaVu Sans"}, {"MS Sans Serif", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},       {"Arial", "DejaVu Sans"},          {"Verdana", "DejaVu Sans"},
    {"MS Serif", "DejaVu Serif"},    {"Times New Roman", "DejaVu Serif"}, {"Courier New", "DejaVu Sans Mono"},
    {"Courier", "DejaVu Sans Mono"},
};

// The 8-point dialog font at 96 dpi: its em is 11 pixels.
constexpr int kDialogFontPixels = 11;
// A positive height asks for the cell (em plus internal leading); DejaVu's
// leading is about a sixth of the cell.
constexpr int kCellToEmSixths = 5;

QString InstalledFace(const std::string& requested) {
  for (const FaceSubstitute& substitute : kSubstitutes)
    if (platform::text::EqualsIgnoringCase(substitute.requested, requested)) return substitute.installed;
  return requested.empty() ? QString("DejaVu Sans") : FromAnsi(requested);
}

int PixelHeight(int logicalHeight) {
  if (logicalHeight == 0) return kDialogFontPixels;
  if (logicalHeight < 0) return -logicalHeight;
  return std::max(1, logicalHeight * kCellToEmSixths / 6);
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
