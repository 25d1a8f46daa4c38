// The number field as a field of a dialog and as a cell editor. The typing
// rules themselves are NumberTyping's and tested there; these rows check
// that keys, the clipboard and the focus reach them.

#include <gtest/gtest.h>

#include "EditFields.h"
#include "controls/EditDouble.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/TextMetrics.h"

namespace {

using namespace edit_test;

const NumberLayout kFree{};
const NumberLayout kFixed{.fixedLayout = true};

class NumberFieldTest : public FieldTest {
 protected:
  // A field of the layout showing the value, with the focus in it.
  static void OpenWith(FieldDialog<CEditDouble>& dialog, const NumberLayout& layout, double value) {
    dialog.field.layout = layout;
    dialog.field.SetValue(value);
    dialog.Open();
    dialog.TakePosted();
  }
};

TEST_F(NumberFieldTest, KeysClipboardAndFocusReachTheRules) {
  // A caret of -1: the focus has left, the caret does not matter.
  struct Typing {
    const NumberLayout* layout;
    double start;
    const char *clipboard, *keys, *text;
    int caret;
    double value;
  };
  const Typing rows[] = {
      {&kFree, 12.5, nullptr, "{SELALL}3.25{TAB}", "3.250", -1, 3.25},
      {&kFixed, 12.5, nullptr, "{SELALL}7.5{TAB}", "00000007.500", -1, 7.5},
      {&kFree, 12.5, nullptr, "{HOME}{DEL}", "12.500", 0, 12.5},  // Delete at the start is Backspace
      {&kFree, 12.5, nullptr, "{HOME}{SHIFT+RIGHT}{DEL}", "2.500", 0, 2.5},
      {&kFree, 12.5, "3", "{SELALL}{INS}", "3.000", 5, 3},
      {&kFree, 12.5, "3", "{HOME}{SHIFT+RIGHT}{CTRL+V}", "32.500", 1, 32.5},
      {&kFree, 12.5, nullptr, "{SELALL}{CTRL+X}", "0", 0, 0},
      // Leaving a field that shows no value reads its "n/a" as a number.
      {&kFree, kNoNumber, nullptr, "{TAB}", "0.000", -1, 0},
  };
  for (const Typing& row : rows) {
    FieldDialog<CEditDouble> dialog;
    OpenWith(dialog, *row.layout, row.start);
    if (row.clipboard) Clipboard::SetText(row.clipboard);
    dialog.Keys(row.keys);
    EXPECT_EQ(std::tuple(dialog.field.GetWindowText(), row.caret < 0 ? -1 : dialog.Caret(), dialog.field.GetValue()),
              std::tuple(row.text, row.caret, row.value))
        << row.keys;
    Clipboard::Empty();
  }
}

TEST_F(NumberFieldTest, StateGivenBeforeTheWindowShowsWhenItComes) {
  FieldDialog<CEditDouble> dialog;
  dialog.field.layout = {.decimals = 2, .units = " m", .maxCharacters = 9};
  dialog.field.SetValue(-3.25);
  CheckInvalidUntilValidAgain(dialog, "-3.25 m", 9, "Double");
  dialog.field.SetValue(kNoNumber);
  EXPECT_EQ(dialog.field.GetWindowText(), "n/a");
}

// A text set behind the field's back is tidied when the focus comes (the
// tidying rules are NumberTyping's).
TEST_F(NumberFieldTest, FocusGainTidiesTheTextSelectsItAndRestoresTheLimit) {
  FieldDialog<CEditDouble> dialog;
  OpenWith(dialog, kFree, 12.5);
  dialog.Keys("{TAB}");
  dialog.field.SetLimitText(0);
  dialog.field.SetWindowText(" 7.5 ");
  dialog.field.SetFocus();
  EXPECT_EQ(dialog.field.GetWindowText(), "7.5");
  int start = 0, end = 0;
  dialog.field.GetSel(start, end);
  EXPECT_EQ(std::pair(start, end), std::pair(0, 3));
  EXPECT_EQ(dialog.field.GetLimitText(), 12u);
}

// The same digit over itself, a point that leaves the value, a refused
// sign: the value stays, and nothing is posted.
TEST_F(NumberFieldTest, OnlyAChangedValueIsPosted) {
  FieldDialog<CEditDouble> dialog;
  dialog.field.SetValue(12.5);
  CheckOnlyChangesArePosted(dialog, main.m_hWnd, "{SELALL}7", {kEditUpdate}, "{HOME}7.{HOME}{RIGHT}-", "7.");
}

TEST_F(NumberFieldTest, ReadOnlyFieldOnlyCopies) {
  FieldDialog<CEditDouble> dialog;
  dialog.field.SetValue(45);
  CheckReadOnlyOnlyCopies(dialog, "45.000");
}

// The cell grows as digits come, and the list hears the value formatted.
TEST_F(NumberFieldTest, CellEditorGrowsWithItsTextAndReportsItFormatted) {
  FieldDialog<CEditDouble> dialog;
  dialog.Open();
  auto& list = dialog.Driver().ItemAs<CListCtrl>(kListId);
  CEditDouble cell;
  cell.SetCell(3, 2, "1");
  ASSERT_TRUE(cell.CreateInPlace(CRect(10, 20, 30, 34), &list));
  dialog.Keys("1234567");
  CRect placed;
  cell.GetWindowRect(&placed);
  EXPECT_EQ(placed.Width(), 7 * platform::ui::CharWidth(list.GetFont()) + 5);
  dialog.Keys("{ENTER}");
  ASSERT_EQ(dialog.ended.size(), 1u);
  EXPECT_EQ(dialog.ended[0].item.pszText, "1234567.000");
}

}  // namespace
