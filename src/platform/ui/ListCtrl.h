#pragma once
// CListCtrl: a report-view list: columns under a header, rows of cells
// (text and image per cell), item data, and per-row selected and focused
// states. Rows are one line of the list's font plus 4 pixels high, below a
// header of the same height, so hit tests and cell rectangles are exact
// for tests and in-place editors. A user's click selects and focuses a row
// (with Ctrl, in a list that allows several, it adds or takes away that
// row alone) and tells the parent (LVN_ITEMCHANGED, NM_CLICK; NM_DBLCLK;
// NM_RCLICK); a key pressed in the list is told too (LVN_KEYDOWN).

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/Wnd.h"

class CImageList;

inline constexpr DWORD LVS_REPORT = 0x0001;
inline constexpr DWORD LVS_SINGLESEL = 0x0004;
inline constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
inline constexpr DWORD LVS_EDITLABELS = 0x0200;
inline constexpr DWORD LVS_NOSORTHEADER = 0x8000;
inline constexpr DWORD LVS_TYPEMASK = 0x0003;
inline constexpr DWORD LVS_EX_GRIDLINES = 0x0001;
inline constexpr DWORD LVS_EX_SUBITEMIMAGES = 0x0002;
inline constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;
inline constexpr UINT LVNI_ALL = 0x0000;
inline constexpr UINT LVNI_FOCUSED = 0x0001;
inline constexpr UINT LVNI_SELECTED = 0x0002;
inline constexpr UINT LVIF_TEXT = 0x0001;
inline constexpr UINT LVIF_IMAGE = 0x0002;
inline constexpr UINT LVIF_PARAM = 0x0004;
inline constexpr UINT LVIF_STATE = 0x0008;
inline constexpr int LVSIL_NORMAL = 0;
inline constexpr int LVSIL_SMALL = 1;
inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVCFMT_RIGHT = 1;
inline constexpr int LVCFMT_CENTER = 2;
inline constexpr UINT LVHT_ONITEM = 0x000E;
inline constexpr UINT LVHT_NOWHERE = 0x0001;
// Column widths that size a column to its cells, or to its heading (the
// last column then takes the rest of the client area).
inline constexpr int LVSCW_AUTOSIZE = -1;
inline constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;

struct LVITEM {
  UINT mask = 0;
  int iItem = 0;
  int iSubItem = 0;
  UINT state = 0;
  UINT stateMask = 0;
  std::string pszText;
  int cchTextMax = 0;
  int iImage = -1;
  LPARAM lParam = 0;
};

// What a list tells its parent about an item (LVN_ITEMCHANGED) or an edit
// (LVN_ENDLABELEDIT: the item's text, or none when cancelled).
struct NMLISTVIEW {
  NMHDR hdr;
  int iItem = -1;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  CPoint ptAction;
  LPARAM lParam = 0;
};
// A key pressed in the list (LVN_KEYDOWN).
struct NMLVKEYDOWN {
  NMHDR hdr;
  WORD wVKey = 0;
  UINT flags = 0;
};
struct NMLVDISPINFO {
  NMHDR hdr;
  LVITEM item;
  bool hasText = true;
};
// The end of a cell edit as a list reports it: LVN_ENDLABELEDIT from `list`
// for the cell, with no text yet.
OVERLAYS_API NMLVDISPINFO EndLabelEditInfo(const CWnd& list, int row, int column);

// A request to paint one cell (NM_CUSTOMDRAW at the sub-item stage): the
// list's class and then its parent may change the colours.
struct NMLVCUSTOMDRAW {
  NMHDR hdr;
  DWORD dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
  UINT_PTR dwItemSpec = 0;  // the row
  int iSubItem = 0;
  COLORREF clrText = 0;
  COLORREF clrTextBk = 0;
};

struct LVHITTESTINFO {
  CPoint pt;
  UINT flags = 0;
  int iItem = -1;
  int iSubItem = 0;
};

class OVERLAYS_API CListCtrl : public CWnd {
 public:
  // Takes the window down while the header member still exists.
  ~CListCtrl() override;
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

  // Columns.
  int InsertColumn(int index, std::string_view heading, int format = LVCFMT_LEFT, int width = -1);
  BOOL DeleteColumn(int index);
  int GetColumnCount() const { return static_cast<int>(header_->items_.size()); }
  int GetColumnWidth(int index) const;
  BOOL SetColumnWidth(int index, int width);
  CHeaderCtrl* GetHeaderCtrl() { return header_; }
  const CHeaderCtrl* GetHeaderCtrl() const { return header_; }
  // Puts a header object of the caller's in place of the list's own, with
  // its columns; it must outlive the list's window.
  BOOL SubclassHeader(CHeaderCtrl& header);
  int GetStringWidth(std::string_view text) const;

  // Rows.
  int InsertItem(int index, std::string_view text, int image = -1);
  int InsertItem(const LVITEM* item);
  BOOL DeleteItem(int index);
  BOOL DeleteAllItems();
  int GetItemCount() const { return static_cast<int>(rows_.size()); }
  BOOL SetItemText(int index, int subItem, std::string_view text);
  std::string GetItemText(int index, int subItem) const;
  BOOL SetItem(const LVITEM* item);
  BOOL GetItem(LVITEM* item) const;
  BOOL SetItemData(int index, UINT_PTR data);
  UINT_PTR GetItemData(int index) const;
  BOOL SetItemState(int index, UINT state, UINT mask);
  UINT GetItemState(int index, UINT mask) const;
  int GetNextItem(int start, UINT flags) const;
  UINT GetSelectedCount() const;
  BOOL EnsureVisible(int, BOOL) { return TRUE; }

  DWORD GetExtendedStyle() const { return extended_; }
  DWORD SetExtendedStyle(DWORD style);
  CImageList* SetImageList(CImageList* images, int which);
  CImageList* GetImageList(int which) const;

  // Colours: the background, the text, and the text's background.
  COLORREF GetBkColor() const { return background_; }
  BOOL SetBkColor(COLORREF colour);
  COLORREF GetTextColor() const { return text_; }
  BOOL SetTextColor(COLORREF colour);
  COLORREF GetTextBkColor() const { return textBackground_; }
  BOOL SetTextBkColor(COLORREF colour);

  // Geometry. Rows start below the header; a horizontal scroll moves every
  // row and cell left by the scrolled distance.
  int RowHeight() const;
  int HeaderHeight() const;
  BOOL Scroll(CSize size);
  int GetScrollX() const { return scrollX_; }
  BOOL GetItemRect(int index, CRect* rect) const;
  BOOL GetSubItemRect(int index, int subItem, CRect* rect) const;
  int HitTest(LVHITTESTINFO* info) const;
  int SubItemHitTest(LVHITTESTINFO* info) const;

  // What a user's click on a row does (select, focus, notify); `keys` are
  // the mouse message's key flags.
  void ClickRow(int index, UINT message, WPARAM keys = 0);
  // The colours a backend paints a cell in, after custom draw.
  NMLVCUSTOMDRAW CustomDrawCell(int index, int subItem);

  std::vector<std::string> AccessibleRows() const override;
  int AccessibleSelection() const override { return GetNextItem(-1, LVNI_SELECTED); }
  bool ChooseRowByUser(int index, bool doubleClick) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CheckInvariants(std::vector<std::string>& problems) const override;

 protected:
  void OnWindowCreated() override;
  void TakeStateFrom(CWnd& standIn) override;

 private:
  struct Cell {
    std::string text;
    int image = -1;
  };
  struct Row {
    std::vector<Cell> cells;
    UINT state = 0;
    UINT_PTR data = 0;
  };
  Cell* CellAt(int index, int subItem);
  void ChangeState(int index, UINT state, UINT mask);
  LRESULT Notify(UINT code, int item = -1, int subItem = 0, CPoint point = {});

  int AutoWidth(int index, bool useHeading) const;

  CHeaderCtrl ownHeader_;
  CHeaderCtrl* header_ = &ownHeader_;
  std::vector<Row> rows_;
  int scrollX_ = 0;
  COLORREF background_ = 0xFFFFFF;
  COLORREF text_ = 0x000000;
  COLORREF textBackground_ = 0xFFFFFF;
  DWORD extended_ = 0;
  CImageList* images_[2] = {nullptr, nullptr};
};
