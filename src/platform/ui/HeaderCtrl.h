#pragma once
// CHeaderCtrl: the column captions of a report list, with each item's
// width, format, data and owner-drawn flag. The list keeps it in step with
// its columns. Its height follows its font: one line of it, padded.

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Wnd.h"

inline constexpr UINT HDI_WIDTH = 0x0001;
inline constexpr UINT HDI_TEXT = 0x0002;
inline constexpr UINT HDI_FORMAT = 0x0004;
inline constexpr UINT HDI_LPARAM = 0x0008;
inline constexpr int HDF_LEFT = 0x0000;
inline constexpr int HDF_RIGHT = 0x0001;
inline constexpr int HDF_CENTER = 0x0002;
inline constexpr int HDF_OWNERDRAW = 0x8000;

struct HDITEM {
  UINT mask = 0;
  int cxy = 0;
  std::string pszText;
  int fmt = HDF_LEFT;
  LPARAM lParam = 0;
};

class OVERLAYS_API CHeaderCtrl : public CWnd {
 public:
  int GetItemCount() const { return static_cast<int>(items_.size()); }
  BOOL GetItem(int index, HDITEM* item) const;
  BOOL SetItem(int index, const HDITEM* item);
  std::vector<std::string> AccessibleRows() const override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class CListCtrl;
  void PaintCaptions(CDC& dc);
  std::vector<HDITEM> items_;
};
