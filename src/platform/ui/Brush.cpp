#include "platform/ui/Brush.h"

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
  if (created_) return FALSE;
  colour_ = colour;
  created_ = true;
  return TRUE;
}

BOOL CBrush::DeleteObject() {
  if (!created_) return FALSE;
  created_ = false;
  colour_ = 0;
  return TRUE;
}
