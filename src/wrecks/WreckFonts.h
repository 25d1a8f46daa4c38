#pragma once
// The bold Tahoma of the wreck dialogs, in the sizes they use.

#include "platform/ui/Toolkit.h"

enum class FontQuality : BYTE { Default = DEFAULT_QUALITY, Draft = DRAFT_QUALITY };

// Height in logical units, as the font creation call takes it.
void CreateWreckDialogFont(CFont& font, int height, FontQuality quality);
