#pragma once
// A drawing context that records what is drawn instead of drawing it. The
// colours a control-colour request sets land here, owner-drawn items paint
// their looks into it for a backend (or a test) to replay, and fills and
// frames on a selected bitmap change its pixels (image-list swatches).

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/WinConstants.h"

class CBitmap;
class CFont;

// One recorded operation.
struct DrawOp {
  enum class Kind { Fill, Frame, Edge, Text, Line, FocusRect, Bitmap } kind = Kind::Fill;
  CRect rect;
  COLORREF colour = 0;       // fill, frame, text or pen colour
  int style = 0;             // edge: 1 raised, 2 sunken; line: pen style
  std::string text;          // text; bitmap: resource or slot name
};

class OVERLAYS_API CDC {
 public:
  COLORREF SetTextColor(COLORREF colour);
  COLORREF GetTextColor() const { return textColour_; }
  COLORREF SetBkColor(COLORREF colour);
  COLORREF GetBkColor() const { return bkColour_; }
  int SetBkMode(int mode);
  int GetBkMode() const { return bkMode_; }
  CFont* SelectObject(CFont* font);
  // Later fills and frames also paint the bitmap's pixels.
  CBitmap* SelectObject(CBitmap* bitmap);
  CSize GetTextExtent(std::string_view text) const;

  void FillSolidRect(const CRect& rect, COLORREF colour);
  // A 1-pixel frame inside the rectangle.
  void FrameRect(const CRect& rect, COLORREF colour);
  void DrawEdge(const CRect& rect, int edge);
  void DrawText(std::string_view text, const CRect& rect);
  void DrawLine(CPoint from, CPoint to, int penStyle, COLORREF colour);
  void DrawFocusRect(const CRect& rect);
  void DrawBitmap(std::string_view name, const CRect& rect);

  const std::vector<DrawOp>& Operations() const { return ops_; }

 private:
  void PaintPixels(const CRect& rect, COLORREF colour);

  COLORREF textColour_ = 0;
  COLORREF bkColour_ = RGB(255, 255, 255);
  int bkMode_ = OPAQUE;
  CFont* font_ = nullptr;
  CBitmap* bitmap_ = nullptr;
  std::vector<DrawOp> ops_;
};

inline constexpr int EDGE_RAISED = 1;
inline constexpr int EDGE_SUNKEN = 2;
