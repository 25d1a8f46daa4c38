#pragma once
// CStatic: a text, a group frame's caption or a picture (SS_BITMAP).

#include "frame/Api.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CStatic : public CWnd {
 public:
  BOOL Create(std::string_view text, DWORD style, const CRect& rect, CWnd* parent, UINT id = 0xFFFF);
  // The picture shown (not owned, never changed: an image list's icon may
  // be shown too); returns the previous one.
  const CBitmap* SetBitmap(const CBitmap* bitmap);
  const CBitmap* GetBitmap() const { return bitmap_; }
  bool IsPicture() const { return (GetStyle() & SS_TYPEMASK) == SS_BITMAP; }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnWindowCreated() override;
  void TakeStateFrom(CWnd& standIn) override;

 private:
  const CBitmap* bitmap_ = nullptr;
  // The template's picture, loaded from the resource chain.
  CBitmap templateBitmap_;
};
