// The module's list: its header and column sizes, which editor each column
// opens and how an edit ends, its colours, and what it leaves behind.

#include <gtest/gtest.h>

#include <map>

#include "EditFields.h"
#include "controls/CellEditors.h"
#include "controls/MyListCtrl.h"
#include "platform/ui/Backend.h"
#include "platform/ui/DC.h"
#include "frame/ConfigFile.h"
#include "frame/MessageNames.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Beep.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/RegisteredMessages.h"
#include "support/TestMachine.h"

namespace {

using namespace edit_test;
using platform::text::AnsiFromUtf8;
using platform::ui::Clipboard;
using platform::ui::Modifiers;
using platform::ui::RegisterWindowMessage;

const UINT kStartEdit = RegisterWindowMessage(messages::kListStartEdit);
const UINT kSetItems = RegisterWindowMessage(messages::kListSetItems);
const UINT kImageList = RegisterWindowMessage(messages::kListImageList);
const UINT kValidate = RegisterWindowMessage(messages::kListValidate);
const UINT kButtonPress = RegisterWindowMessage(messages::kListButtonPress);

enum Column { kText, kNumber, kLatitude, kLongitude, kChoice, kButton, kReadOnly, kColumnCount };

// A dialog around one list with a column of each kind; it answers and
// records the list's messages as an owning dialog would.
class ListDialog : public KeyedDialog {
 public:
  ~ListDialog() override { DestroyWindow(); }

  BOOL OnInitDialog() override {
    list.SubclassDlgItem(kListId, this);
    for (const char* heading : {"Name", "Depth", "Lat", "Lon", "Shown", "Edit", "Id"}) list.AddColumn(heading);
    const std::pair<ColumnSet, int> sets[] = {{ColumnSet::Numeric, kNumber},     {ColumnSet::Latitude, kLatitude},
                                              {ColumnSet::Longitude, kLongitude}, {ColumnSet::Choice, kChoice},
                                              {ColumnSet::Button, kButton},       {ColumnSet::ReadOnly, kReadOnly}};
    for (const auto& [set, column] : sets) list.AddToColumnSet(set, column);
    for (int row = 0; row < 3; ++row) {
      list.InsertItem(row, "Wreck " + std::to_string(row));
      list.SetItemText(row, kNumber, "12.5");
      list.SetItemText(row, kLatitude, AnsiFromUtf8("50° 06' 00\".00000N"));
      list.SetItemText(row, kLongitude, AnsiFromUtf8("005° 33' 00\".00000W"));
      list.SetItemText(row, kChoice, "Show");
      list.SetItemText(row, kReadOnly, "17");
    }
    return CDialog::OnInitDialog();
  }

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kStartEdit && LOWORD(wParam) == vetoColumn) *reinterpret_cast<BYTE*>(lParam) = 0;
    if (message == kSetItems) *reinterpret_cast<std::vector<std::string>*>(lParam) = choices;
    if (message == kImageList) *reinterpret_cast<CImageList**>(lParam) = images;
    if (message == kValidate) validated.push_back(*reinterpret_cast<const NMLVDISPINFO*>(lParam));
    if (message == kButtonPress) pressed.emplace_back(static_cast<int>(wParam), static_cast<int>(lParam));
    return CDialog::DefWindowProc(message, wParam, lParam);
  }

  void ClickCell(int row, int column, Modifiers modifiers = {}) {
    CRect cell;
    list.GetSubItemRect(row, column, &cell);
    Driver().ClickAt(kListId, cell.CenterPoint(), modifiers);
  }
  // The id of the open editor, 0 for none.
  int OpenEditor() const {
    for (CWnd* child : list.Children())
      for (UINT id : {kCellTextId, kCellAngleId, kCellChoiceId})
        if (child->GetDlgCtrlID() == static_cast<int>(id)) return child->GetDlgCtrlID();
    return 0;
  }
  // Two clicks on a row that did not have the focus: the second edits.
  void EditCell(int row, int column, Modifiers modifiers = {}) {
    list.SetItemState(-1, 0, LVIS_FOCUSED | LVIS_SELECTED);
    ClickCell(row, column);
    ClickCell(row, column, modifiers);
  }

  CMyListCtrl list;
  int vetoColumn = -1;
  std::vector<std::string> choices{"Hide", "Show"};
  CImageList* images = nullptr;
  std::vector<NMLVDISPINFO> validated;
  std::vector<std::pair<int, int>> pressed;
};

class ListTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog.Create(kFieldDialog);
    Clipboard::Empty();
  }
  testing_support::TestMachine machine;
  FieldResources resources;
  ListDialog dialog;
};

// Each kind of column opens its own editor on the second click on a row
// (the first selects it), and none with Shift or Ctrl held, on a read-only
// column, or when the dialog vetoes the edit.
TEST_F(ListTest, EachColumnOpensItsEditorOnTheSecondClick) {
  struct Row { int column; Modifiers modifiers; int veto, editor; };
  const Row rows[] = {
      {kText, {}, -1, kCellTextId},          {kNumber, {}, -1, kCellTextId},
      {kLatitude, {}, -1, kCellAngleId},     {kLongitude, {}, -1, kCellAngleId},
      {kChoice, {}, -1, kCellChoiceId},      {kReadOnly, {}, -1, 0},
      {kText, {true, false}, -1, 0},         {kText, {false, true}, -1, 0},
      {kText, {}, kText, 0},                 {kNumber, {}, kText, kCellTextId},
  };
  for (const Row& row : rows) {
    dialog.vetoColumn = row.veto;
    dialog.list.SetItemState(-1, 0, LVIS_FOCUSED | LVIS_SELECTED);
    dialog.ClickCell(1, row.column);
    EXPECT_EQ(dialog.OpenEditor(), 0) << "the first click only selects";
    EXPECT_EQ(dialog.list.GetNextItem(-1, LVNI_SELECTED), 1);
    dialog.ClickCell(1, row.column, row.modifiers);
    EXPECT_EQ(dialog.OpenEditor(), row.editor) << "column " << row.column;
    EXPECT_EQ(dialog.list.IsEditing(), row.editor == kCellTextId || row.editor == kCellAngleId);
    dialog.list.SetFocus();  // ends any edit
  }
  for (int column : {kText, kReadOnly}) {
    NMLVDISPINFO begin = EndLabelEditInfo(dialog.list, 0, column);
    begin.hdr.code = LVN_BEGINLABELEDIT;
    const LRESULT refused = dialog.SendMessage(WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&begin));
    EXPECT_EQ(refused, column == kReadOnly ? TRUE : FALSE) << "a label edit of a read-only column is refused";
  }
  const int before = dialog.list.GetNextItem(-1, LVNI_SELECTED);
  CRect last;
  dialog.list.GetItemRect(2, &last);
  dialog.Driver().ClickAt(kListId, CPoint(10, last.bottom + 5));
  EXPECT_EQ(dialog.list.GetNextItem(-1, LVNI_SELECTED), before) << "a click below the rows changes nothing";
}

// How each editor's typing and ending leave the cell, and that the list and
// its parent hear of every ending, Escape and a scroll of the list included.
TEST_F(ListTest, AnEditEndsWithTheTextInTheCellAndAValidation) {
  struct Ending { int column; const char* keys; const char* cell; int beeps; };  // the cell in UTF-8
  const Ending endings[] = {
      {kText, "Mary Rose{ENTER}", "Mary Rose", 0},
      {kText, "Mary Rose{ESC}", "Wreck 1", 0},
      {kText, "Mary{TAB}", "Mary", 0},
      {kNumber, "1a2{ENTER}", "12", 1},
      {kNumber, "{END}{CTRL+V}{ENTER}", "12.5", 0},  // "12a" on the clipboard is refused whole
      {kLatitude, "5{ENTER}", "50° 00' 00\".00000N", 0},
      {kLongitude, "18{ENTER}", "180° 00' 00\".00000E", 0},
  };
  Clipboard::SetText("12a");
  for (const Ending& ending : endings) {
    const std::string before = ending.column == kText ? "Wreck 1" : dialog.list.GetItemText(0, ending.column);
    dialog.list.SetItemText(1, ending.column, before);
    dialog.validated.clear();
    dialog.EditCell(1, ending.column);
    const int beeps = platform::ui::Beeps().count;
    dialog.Keys(ending.keys);
    EXPECT_EQ(dialog.OpenEditor(), 0) << ending.keys;
    EXPECT_EQ(std::pair(dialog.list.GetItemText(1, ending.column), platform::ui::Beeps().count - beeps),
              std::pair(AnsiFromUtf8(ending.cell), ending.beeps))
        << ending.keys;
    ASSERT_EQ(dialog.validated.size(), 1u) << ending.keys;
    const auto& validated = dialog.validated[0].item;
    EXPECT_EQ(std::pair(validated.iItem, validated.iSubItem), std::pair(1, ending.column));
    EXPECT_FALSE(dialog.list.IsEditing());
  }
  dialog.validated.clear();
  dialog.EditCell(0, kText);
  ASSERT_EQ(dialog.OpenEditor(), static_cast<int>(kCellTextId));
  dialog.list.SendMessage(WM_VSCROLL);
  EXPECT_EQ(dialog.OpenEditor(), 0);
  EXPECT_EQ(dialog.validated.size(), 1u);
}

TEST_F(ListTest, AChoiceCellOffersTheDialogsItemsAndReportsTheChosenIndex) {
  CBitmap strip;
  strip.CreateBitmap(32, 16);  // two images
  CImageList shown;
  shown.Create(16, 16, ILC_COLOR24, 2, 0);
  shown.Add(&strip, COLORREF{0xFFFFFF});
  dialog.images = &shown;
  dialog.EditCell(0, kChoice);
  auto& combo = dynamic_cast<CInPlaceCombo&>(dialog.Driver().Item(kCellChoiceId));
  EXPECT_EQ(combo.Texts(), dialog.choices);
  EXPECT_EQ(combo.GetCurSel(), 1) << "the cell's text is selected";
  EXPECT_EQ(combo.GetItemImage(0), 0);
  // The cell stuck out on the right: the list scrolled as far as it goes,
  // and the whole cell is in view.
  CRect placed, client, cell;
  combo.GetWindowRect(&placed);
  dialog.list.GetClientRect(&client);
  dialog.list.GetSubItemRect(0, kChoice, &cell);
  EXPECT_GT(dialog.list.GetScrollX(), 0);
  EXPECT_EQ(std::pair(placed.left, placed.right), std::pair(cell.left, cell.right));
  EXPECT_LE(placed.right, client.right);
  EXPECT_EQ(placed.Height(), (2 + 10 + 1) * dialog.list.RowHeight()) << "the cell and twelve rows of drop-down";
  dialog.Driver().ChooseIndex(kCellChoiceId, 0);
  EXPECT_EQ(dialog.list.GetItemText(0, kChoice), "Hide");
  ASSERT_EQ(dialog.validated.size(), 1u);
  EXPECT_EQ(dialog.validated[0].item.iImage, 0);

  dialog.choices.clear();
  dialog.EditCell(0, kChoice);
  EXPECT_EQ(dialog.OpenEditor(), 0) << "no choices, no editor";
}

TEST_F(ListTest, TheButtonCellReportsItsCell) {
  dialog.EditCell(2, kButton);
  CRect cell, button;
  dialog.list.GetSubItemRect(2, kButton, &cell);
  dialog.Driver().Item(kCellButtonId).GetWindowRect(&button);
  EXPECT_EQ(dialog.Driver().Text(kCellButtonId), "...");
  EXPECT_EQ(button, CRect(cell.right - cell.Height(), cell.top, cell.right, cell.bottom));
  dialog.Driver().Click(kCellButtonId);
  EXPECT_EQ(dialog.pressed, (std::vector<std::pair<int, int>>{{2, kButton}}));
}

TEST_F(ListTest, HeaderAndColumnsSizeToTheirCaptionsAndCells) {
  CMyListCtrl& list = dialog.list;
  // Default font: 6 pixels a character; a sortable header adds eight
  // blanks and 14 pixels to a caption.
  EXPECT_EQ(list.GetColumnWidth(kText), 6 * 4 + 6 * 8 + 14);
  EXPECT_EQ(list.HeaderHeight(), 13 + 4) << "one line of 9.5 points";
  list.AddColumn("Blade\nRadius");
  EXPECT_EQ(list.HeaderFont().Descriptor().lfHeight, -25) << "19 points for two lines";
  EXPECT_EQ(list.HeaderHeight(), 25 + 4);
  CDC dc;
  ASSERT_TRUE(platform::ui::PaintWindow(list.Header(), dc)) << "the captions are owner-drawn";
  std::vector<DrawOp> lines;
  std::copy_if(dc.Operations().begin(), dc.Operations().end(), std::back_inserter(lines),
               [](const DrawOp& op) { return op.kind == DrawOp::Kind::Text; });
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kColumnCount + 2)) << "a line a caption, two for the last";
  const DrawOp& blade = lines[kColumnCount];
  const DrawOp& radius = lines[kColumnCount + 1];
  EXPECT_EQ(std::tuple(blade.text, radius.text), std::tuple("Blade", "Radius"));
  EXPECT_EQ(radius.rect.top, blade.rect.bottom) << "one line under the other";
  EXPECT_EQ(blade.font, list.GetFont()) << "in the list's font; the header's only gives the height";
  list.SetItemText(0, kColumnCount, "1");
  list.SetItemText(0, kText, "Penzance Harbour");
  list.AutoSizeColumns(true);
  EXPECT_EQ(list.GetColumnWidth(kText), 6 * 16 + 12) << "its longest cell";
  EXPECT_EQ(list.GetColumnWidth(kReadOnly), 6 * 2 + 12) << "its heading";
  // Two lines: the longest line's share of the caption's one-line width.
  const int multiLine = 6 * (6 * 12 + 12 + 2) / 12;
  CRect client;
  list.GetClientRect(&client);
  int used = 0;
  for (int c = 0; c < kColumnCount; ++c) used += list.GetColumnWidth(c);
  EXPECT_EQ(list.GetColumnWidth(kColumnCount), std::max(multiLine, client.Width() - used)) << "fills the width";
}

TEST_F(ListTest, ColoursFollowTheSchemeAndTheRowAndColumnRules) {
  CMyListCtrl& list = dialog.list;
  struct Scheme { int scheme; bool dark; COLORREF background, text, first, second; };
  const Scheme schemes[] = {
      {1, false, 0xD6D6D6, 0, 0x555555, 0xEBEBEB},
      {1, true, 0, 0xC0C0C0, 0x555555, 0xEBEBEB},
      {6, false, 0xE7FFFF, 0, 0x008080, 0x00FFFF},
  };
  for (const Scheme& s : schemes) {
    list.SetDark(s.dark);
    list.SetColourScheme(s.scheme);
    EXPECT_EQ(std::tuple(list.GetBkColor(), list.GetTextColor(), list.SchemeColour(0), list.SchemeColour(1)),
              std::tuple(s.background, s.text, s.first, s.second))
        << s.scheme << (s.dark ? " dark" : " light");
  }
  list.SetDark(false);
  list.SetColourScheme(0);
  list.SetRowColours(0xEEEEEE, 0x0000FF, 0xFFFFFF, 0);
  list.SetMarkedRow(2);
  const auto colours = [&](int row, int column) {
    // What a backend paints the cell in.
    const NMLVCUSTOMDRAW c = list.CustomDrawCell(row, column);
    return std::pair(c.clrTextBk, c.clrText);
  };
  EXPECT_EQ(colours(0, 0), std::pair(COLORREF{0xFFFFFF}, COLORREF{0}));
  EXPECT_EQ(colours(1, 0), std::pair(COLORREF{0xEEEEEE}, COLORREF{0})) << "odd row";
  EXPECT_EQ(colours(2, 0), std::pair(COLORREF{0x0000FF}, COLORREF{0xFFFFFF})) << "marked row";
  list.SetColourRows(true);
  list.SetItemData(0, 0x555555);
  list.SetItemData(1, 0x00CCFF);
  EXPECT_EQ(colours(0, 3), std::pair(COLORREF{0x555555}, COLORREF{0xFFFFFF})) << "dark row colour, white text";
  EXPECT_EQ(colours(1, 3), std::pair(COLORREF{0x00CCFF}, COLORREF{0}));
  HDITEM item;
  item.mask = HDI_LPARAM;
  item.lParam = 0x123456;
  list.GetHeaderCtrl()->SetItem(4, &item);
  item.lParam = 5;  // its own index: no colour
  list.GetHeaderCtrl()->SetItem(5, &item);
  list.SetColumnColours(true);
  EXPECT_EQ(colours(1, 4), std::pair(COLORREF{0x123456}, COLORREF{0}));
  EXPECT_EQ(colours(1, 5), std::pair(COLORREF{0x00CCFF}, COLORREF{0}));
}

TEST_F(ListTest, ADestroyedListLeavesItsColumnStateBehind) {
  dialog.DestroyWindow();
  const auto written =
      machine.Read(CConfigFile().GetFilePath(("List Control " + std::to_string(kListId) + " Column State").c_str()));
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, "1 = 0\n2 = 0\n3 = 0\n4 = 0\n5 = 0\n6 = 0\n7 = 0\n");
}

}  // namespace
