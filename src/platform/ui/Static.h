#pragma once
// CStatic: a text, a group frame's caption or a picture (SS_BITMAP).

#include "frame/Api.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CStatic : public CWnd {
 public:
  BOOL Create(std::string_view text, DWORD style, const CRect& rect, CWnd* parent, UINT id = 0xFFFF);
  // The picture shown (not owned); returns the previous one.
  CBitmap* SetBitmap(CBitmap* bitmap);
  CBitmap* GetBitmap() const { return bitmap_; }
  bool IsPicture() const { return (GetStyle() & SS_TYPEMASK) == SS_BITMAP; }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnWindowCreated() override;
  void TakeStateFrom(CWnd& standIn) override;

 private:
  CBitmap* bitmap_ = nullptr;
  // The template's picture, loaded from the resource chain.
  CBitmap templateBitmap_;
};
