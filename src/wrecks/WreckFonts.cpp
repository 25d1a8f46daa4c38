#include "wrecks/WreckFonts.h"

void CreateWreckDialogFont(CFont& font, int height, FontQuality quality) {
  font.CreateFont(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS, CLIP_STROKE_PRECIS,
                  static_cast<BYTE>(quality), FF_SWISS, "Tahoma");
}
