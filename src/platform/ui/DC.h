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
class CBrush;
class CFont;
class CImageList;

// One recorded operation.
struct DrawOp {
  enum class Kind { Fill, Frame, Edge, Text, Line, FocusRect, Bitmap, Image } kind = Kind::Fill;
  CRect rect;                // a line's end points are its corners
  COLORREF colour = 0;       // fill, frame, text or pen colour
  int style = 0;             // edge: 1 raised, 2 sunken; line: pen style; image: its index
  std::string text;          // text; bitmap: resource or slot name
  UINT format = 0;           // text: DT_* alignment and wrapping
  const CFont* font = nullptr;          // text: the font selected, null for the dialog's
  const CImageList* images = nullptr;   // image: the list it comes from
  COLORREF background = 0;   // text: the background when the mode is OPAQUE
  bool opaque = false;
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
  void FillRect(const CRect& rect, const CBrush* brush);
  // A 1-pixel frame inside the rectangle.
  void FrameRect(const CRect& rect, COLORREF colour);
  void DrawEdge(const CRect& rect, int edge);
  // Single line, left and top unless `format` (DT_*) says otherwise.
  void DrawText(std::string_view text, const CRect& rect, UINT format = DT_SINGLELINE);
  void DrawLine(CPoint from, CPoint to, int penStyle, COLORREF colour);
  void DrawFocusRect(const CRect& rect);
  void DrawBitmap(std::string_view name, const CRect& rect);
  // An image of an image list with its top-left corner at `at`.
  void DrawImage(const CImageList& images, int index, CPoint at);

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
