#pragma once
// CMyListCtrl: the table of the module's dialogs. A report list whose cells
// the owning dialog lets the user edit in place, column by column (free
// text, numbers, latitudes, longitudes, a choice, a "..." button, or not at
// all), with an owner-drawn header whose captions may take several lines,
// columns that size themselves to their content, and seven colour schemes,
// light or dark, with optional alternating, marked, per-row and per-column
// colours.
//
// The dialog takes part in an edit through registered messages: the list
// and then its parent are asked whether an edit may start
// ("UM_LIST_START_EDIT"), which choices a choice cell offers
// ("UM_LIST_SET_ITEMS", "UM_LIST_IMAGE_LIST"), and are told the new text
// once it is in the cell ("UM_LIST_VALIDATE") and of a "..." click
// ("UM_LIST_BUTTON_PRESS", parent only). A cell word is the row in the high
// 16 bits and the column in the low 16.
//
// The list never sorts: a click on a heading leaves the rows as added.

#include <string>
#include <string_view>
#include <vector>

#include "controls/MyHeaderCtrl.h"
#include "frame/Api.h"
#include "platform/ui/Font.h"
#include "platform/ui/ListCtrl.h"

// How the cells of a column are edited; a column in no set takes free text.
enum class ColumnSet { Numeric, Latitude, Longitude, Choice, Button, ReadOnly };

// The colours one cell is drawn in: data that a backend paints and tests
// read.
struct CellColours {
  COLORREF background;
  COLORREF text;
};

// The characters a numeric cell takes.
inline constexpr char kNumericCharacters[] = "0123456789.+-";

class OVERLAYS_API CMyListCtrl : public CListCtrl {
 public:
  CMyListCtrl();
  ~CMyListCtrl() override;

  void AddToColumnSet(ColumnSet set, int column);
  bool IsInColumnSet(ColumnSet set, int column) const;

  // Appends a column sized to its heading; the header is set up again.
  int AddColumn(std::string_view heading, int alignment = LVCFMT_LEFT);
  // Sizes every column to the larger of its content and its heading; with
  // `fill` the last column takes whatever client width is left.
  void AutoSizeColumns(bool fill = false);

  // Scheme 0 to 6, drawn light or dark.
  void SetColourScheme(int scheme);
  int GetColourScheme() const { return scheme_; }
  void SetDark(bool dark) { dark_ = dark; }
  bool IsDark() const { return dark_; }
  COLORREF SchemeColour(int which) const { return schemeColours_[which & 1]; }
  // Row colours (0 leaves one unset): odd rows, the marked row's
  // background and text, and rows whose image is 1.
  void SetRowColours(COLORREF odd, COLORREF markedBackground, COLORREF markedText, COLORREF imageOne);
  void SetMarkedRow(int row) { markedRow_ = row; }
  // Each row's background from its item data.
  void SetColourRows(bool on) { colourRows_ = on; }
  // Each column's background from its header item's data.
  void SetColumnColours(bool on) { columnColours_ = on; }
  CellColours ColoursOf(int row, int column) const;

  // The angle format of the latitude and longitude editors (0 to 4).
  void SetAngleFormat(int format) { angleFormat_ = format; }
  bool IsEditing() const { return editing_; }
  CMyHeaderCtrl& Header() { return header_; }
  const CFont& HeaderFont() const { return headerFont_; }

  const MessageMap& GetMessageMap() const override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnWindowCreated() override;

 private:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnLButtonDown(UINT flags, CPoint point);
  LRESULT OnScroll(WPARAM wParam, LPARAM lParam);
  void OnDestroy();
  void OnEndLabelEdit(NMHDR* header, LRESULT* result);
  void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
  void OnCustomDraw(NMHDR* header, LRESULT* result);
  void SetUpHeader();
  void StartEdit(int row, int column);
  void OpenChoice(int row, int column, WPARAM cell);
  void ShowButton(int row, int column);
  CRect EditorRect(int row, int column);
  void WriteColumnState() const;

  std::vector<int> columnSets_[6];
  int buttonRow_ = -1;
  int buttonColumn_ = -1;
  bool editing_ = false;
  CFont headerFont_;
  CMyHeaderCtrl header_;
  COLORREF schemeColours_[2] = {0, 0};
  bool colourRows_ = false;
  COLORREF oddRowColour_ = 0;
  COLORREF markedBackground_ = 0;
  COLORREF markedText_ = 0;
  COLORREF imageOneColour_ = 0;
  bool columnColours_ = false;
  int markedRow_ = -1;
  int angleFormat_ = 0;
  bool dark_ = false;
  int scheme_ = 1;
};
