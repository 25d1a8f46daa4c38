#pragma once
// A solid brush as a descriptor: its colour, for a backend to paint with.

#include "frame/Api.h"
#include "platform/ui/WinTypes.h"

class OVERLAYS_API CBrush {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
  BOOL CreateSolidBrush(COLORREF colour);
  BOOL DeleteObject();
  bool IsCreated() const { return created_; }
  COLORREF Colour() const { return colour_; }

 private:
  bool created_ = false;
  COLORREF colour_ = 0;
};
