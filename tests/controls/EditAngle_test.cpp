// The angle fields: what typing, cutting and pasting make of their text and
// value, and how they behave as fields of a dialog and as cell editors.

#include <gtest/gtest.h>

#include <cmath>

#include "EditFields.h"
#include "controls/EditAngle.h"
#include "geodesy/angle/AngleKind.h"
#include "geodesy/angle/AngleText.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Menu.h"
#include "platform/ui/TextMetrics.h"

namespace {

using namespace edit_test;
using platform::text::AnsiFromUtf8;

constexpr double kRadiansPerDegree = M_PI / 180.0;

struct Typing {
  int kind;
  int format;
  int decimals;
  char hemisphere;  // the user's default letter
  double startDegrees;
  const char* clipboard;  // null leaves the clipboard empty
  const char* keys;
  const char* text;  // UTF-8
  int caret;
  double degrees;
};

// Latitudes (kind 5) and longitudes (6) in the default format, degrees and
// decimal minutes with 7 decimals; then the other formats and kinds.
const Typing kTypings[] = {
    // The first latitude digit 9 is the whole range: every later digit is 0.
    {5, 1, 7, 'N', 0, nullptr, "9", "90° 00'.0000000N", 15, 90},
    {5, 1, 7, 'N', 0, nullptr, "8930.5", "89° 30'.5000000N", 9, 89 + 30.5 / 60},
    {5, 1, 7, 'N', 0, nullptr, "066", "06° 00'.0000000N", 4, 6},  // no 60 minutes
    {6, 1, 7, 'E', 0, nullptr, "18", "180° 00'.0000000E", 16, 180},
    {6, 1, 7, 'E', 0, nullptr, "19", "100° 00'.0000000E", 1, 100},
    {6, 1, 7, 'E', 0, nullptr, "099", "099° 00'.0000000E", 5, 99},
    // Hemisphere letters: only the field's own, in either case.
    {5, 1, 7, 'N', 45, nullptr, "{END}s", "45° 00'.0000000S", 16, -45},
    {5, 1, 7, 'N', 45, nullptr, "{END}E", "45° 00'.0000000N", 16, 45},
    // Backspace over the letter restores the user's default letter.
    {5, 1, 7, 'N', -45, nullptr, "{END}{BS}", "45° 00'.0000000N", 15, 45},
    {5, 1, 7, 'S', 45, nullptr, "{END}{BS}", "45° 00'.0000000S", 15, -45},
    // Backspace zeroes the nearest digit before the caret.
    {5, 1, 7, 'N', 45.5, nullptr, "{HOME}{RIGHT}{RIGHT}{RIGHT}{RIGHT}{RIGHT}{BS}{BS}", "40° 00'.0000000N", 1, 40},
    // The focus selected everything: a digit starts from zero.
    {5, 1, 7, 'N', 45, nullptr, "7", "70° 00'.0000000N", 1, 70},
    // A digit over a selection clears it first.
    {5, 1, 7, 'N', 45.5, nullptr, "{HOME}{SHIFT+RIGHT}{SHIFT+RIGHT}{SHIFT+RIGHT}{SHIFT+RIGHT}{SHIFT+RIGHT}1",
     "10° 00'.0000000N", 1, 10},
    // Separators jump: ' past the minutes, . past the point, Space one slot.
    {5, 0, 5, 'N', 0, nullptr, "12'3.5", "12° 00' 30\".50000N", 13, 12 + 30.5 / 3600},
    {5, 0, 5, 'N', 0, nullptr, "1 2", "10° 20' 00\".00000N", 5, 10 + 20.0 / 60},
    {5, 2, 3, 'N', 0, nullptr, "4512", "45°.120N", 6, 45.12},
    // Signed decimal degrees carry the sign in front, the letter nowhere.
    {5, 3, 3, 'N', 0, nullptr, "-4512", "-45°.120", 7, -45.12},
    {5, 3, 3, 'N', 0, nullptr, "9", "+90°.000", 8, 90},
    // Gradians: the limit digit 1 is a quarter turn of latitude.
    {5, 4, 2, 'N', 0, nullptr, "1", "100g.00N", 7, 90},
    {5, 4, 2, 'N', 0, nullptr, "050", "050g.00N", 5, 45},
    // Directions (kind 2) up to 360; 299 passes, 37 does not.
    {2, 0, 0, 0, 0, nullptr, "36", "360° 00' 00\"", 11, 360},
    {2, 0, 0, 0, 0, nullptr, "299", "299° 00' 00\"", 5, 299},
    {2, 0, 0, 0, 0, nullptr, "37", "300° 00' 00\"", 1, 300},
    // Kind 7 is decimal degrees with 2 decimals whatever the user chose.
    {7, 0, 5, 0, 0, nullptr, "123", "123°.00", 5, 123},
    // The sign slot of a signed kind: signs only, Backspace leaves '+'.
    {1, 2, 3, 0, 0, nullptr, "-045", "-045°.000", 6, -45},
    {1, 2, 3, 0, -45, nullptr, "{HOME}{RIGHT}{BS}", "+045°.000", 0, 45},
    {1, 2, 3, 0, 0, nullptr, "4", "+000°.000", 9, 0},  // 4 cannot start 179
    // Cut and paste of part of the text, and of all of it.
    {5, 1, 7, 'N', 45.5, nullptr, "{HOME}{SHIFT+RIGHT}{SHIFT+RIGHT}{CTRL+X}", "00° 30'.0000000N", 0, 0.5},
    {5, 1, 7, 'N', 45.5, nullptr, "{HOME}{RIGHT}{SHIFT+RIGHT}{DEL}", "40° 30'.0000000N", 1, 40.5},
    {5, 1, 7, 'N', 45.5, nullptr, "{SELALL}{CTRL+X}", "00° 00'.0000000N", 0, 0},
    {5, 1, 7, 'N', 45.5, nullptr, "{HOME}{DEL}", "45° 30'.0000000N", 0, 45.5},
    {5, 1, 7, 'N', 45.5, "12", "{HOME}{SHIFT+RIGHT}{SHIFT+RIGHT}{CTRL+V}", "12° 30'.0000000N", 0, 12.5},
    {5, 1, 7, 'N', 0, "45 30 S", "{HOME}{INS}", "45° 30'.0000000S", 0, -45.5},
    {5, 1, 7, 'N', 10, "", "{HOME}{INS}", "10° 00'.0000000N", 0, 10},  // nothing to paste
};

class AngleTypingTest : public testing::TestWithParam<Typing> {
 protected:
  FieldResources resources;
};

template <class Field>
void Check(const Typing& row) {
  FieldDialog<Field> dialog;
  dialog.field.SetAngleKind(row.kind);
  dialog.field.UseSettings({row.format, row.decimals, row.hemisphere});
  dialog.field.SetAngle(CAngle(row.startDegrees * kRadiansPerDegree));
  dialog.Open();
  if (row.clipboard)
    Clipboard::SetText(row.clipboard);
  else
    Clipboard::Empty();
  dialog.Keys(row.keys);
  EXPECT_EQ(dialog.field.GetWindowText(), AnsiFromUtf8(row.text)) << row.keys;
  EXPECT_EQ(dialog.Caret(), row.caret) << row.keys;
  EXPECT_NEAR(dialog.field.GetAngle().Degrees(), row.degrees, 1e-9) << row.keys;
  FieldDialog<Field>::TakePosted();
}

TEST_P(AngleTypingTest, KeysGiveTextCaretAndValue) {
  const Typing& row = GetParam();
  if (row.kind == 5)
    Check<CEditLat>(row);
  else if (row.kind == 6)
    Check<CEditLon>(row);
  else
    Check<CEditAngle>(row);
}

INSTANTIATE_TEST_SUITE_P(Rows, AngleTypingTest, testing::ValuesIn(kTypings));

// Typing the digits, sign and letter of any formatted angle, from a field
// whose whole text is selected, gives that text again: every format and
// decimal count has a mask of the shape of its texts.
TEST(AngleLayout, TypingAFormattedAngleReproducesIt) {
  for (int kind = 1; kind <= 9; ++kind) {
    const AngleKindDef& def = *FindAngleKind(kind);
    const bool signedKind = def.sign != AngleSign::None;
    const double top = def.templateDegrees;
    for (int format = 0; format < kAngleFormatCount; ++format) {
      for (int decimals : {0, 1, 3, 7}) {
        const AngleFieldLayout layout = AngleFieldLayoutFor(kind, format, decimals, 0);
        ASSERT_EQ(layout.mask.size(), layout.zero.size()) << kind << " " << format << " " << decimals;
        // Whole degrees across the range and 15' 27": clear of the
        // rounding of 59.99... minutes or seconds up to 60.
        for (int step = 0; step <= 40; ++step) {
          const double whole = std::floor((signedKind ? -top : 0.0) + step * (signedKind ? 2 * top : top) / 40);
          const double degrees = whole + 0.2575;
          const double radians = def.fromQuarterTurn ? M_PI / 2 - degrees * kRadiansPerDegree / 2
                                                     : degrees * kRadiansPerDegree;
          const std::string wanted = FormatAngle(radians, kind, layout.format, layout.decimals);
          ASSERT_EQ(wanted.size(), layout.mask.size()) << wanted;
          AngleFieldEdit typed{layout.zero, 0};
          int selectionEnd = static_cast<int>(typed.text.size());
          for (char c : wanted) {
            if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || HemisphereLetter(c))) continue;
            auto next = TypeAngleCharacter(layout, typed.text, typed.caret, selectionEnd, c);
            ASSERT_TRUE(next) << wanted << ": '" << c << "' refused in " << typed.text;
            typed = *next;
            selectionEnd = typed.caret;
          }
          EXPECT_EQ(typed.text, wanted) << "kind " << kind << " format " << format << " decimals " << decimals;
        }
      }
    }
  }
}

// A latitude field in the default format, 7 decimals, north by default.
class AngleFieldTest : public FieldTest {
 protected:
  AngleFieldTest() { dialog.field.UseSettings({1, 7, 'N'}); }
  void OpenAt(double degrees) {
    dialog.field.SetAngle(CAngle(degrees * kRadiansPerDegree));
    dialog.Open();
  }
  FieldDialog<CEditLat> dialog;
};

// The same digit again, a refused digit, and caret moves change nothing.
TEST_F(AngleFieldTest, OnlyAChangedValueIsPosted) {
  CheckOnlyChangesArePosted(dialog, main.m_hWnd, "5", {kEditAngle, kEditUpdate}, "{LEFT}5{RIGHT}{RIGHT}{RIGHT}7{RIGHT}",
                            AnsiFromUtf8("50° 00'.0000000N"));
}

TEST_F(AngleFieldTest, StateGivenBeforeTheWindowShowsWhenItComes) {
  FieldDialog<CEditLon> lon;
  lon.field.UseSettings({2, 2, 'E'});
  lon.field.SetAngle(CAngle(-12.5 * kRadiansPerDegree));
  CheckInvalidUntilValidAgain(lon, AnsiFromUtf8("012°.50W"), 8, "Angle");  // the limit is the mask's length
}

TEST_F(AngleFieldTest, ReadOnlyFieldOnlyCopies) {
  dialog.field.SetAngle(CAngle(45 * kRadiansPerDegree));
  CheckReadOnlyOnlyCopies(dialog, AnsiFromUtf8("45° 00'.0000000N"));
}

TEST_F(AngleFieldTest, ContextMenuRunsTheFieldsOwnCutAndPaste) {
  OpenAt(45.5);
  std::vector<UINT> greyed;
  UINT choice = kEditMenuCut;
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() != ModalTurn::Menu) return;
    EXPECT_EQ(d.MenuTexts(), (std::vector<std::string>{"Cut", "Copy", "Paste"}));
    for (UINT id : {kEditMenuCut, kEditMenuCopy, kEditMenuPaste})
      if (d.Menu().GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED) greyed.push_back(id);
    d.ChooseMenuItem(choice);
  });
  dialog.Keys("{HOME}{SHIFT+RIGHT}{SHIFT+RIGHT}");
  dialog.Driver().RightClick(kFieldId);
  EXPECT_TRUE(greyed.empty());
  EXPECT_EQ(dialog.field.GetWindowText(), AnsiFromUtf8("00° 30'.0000000N"));
  EXPECT_EQ(Clipboard::GetText(), "45");

  choice = kEditMenuPaste;
  dialog.field.SetReadOnly(TRUE);
  dialog.Driver().RightClick(kFieldId);
  EXPECT_EQ(greyed, (std::vector<UINT>{kEditMenuCut, kEditMenuPaste}));
  EXPECT_EQ(dialog.field.GetWindowText(), AnsiFromUtf8("00° 30'.0000000N"));

  dialog.field.SetValid(FALSE);
  greyed.clear();
  dialog.field.SendMessage(WM_RBUTTONDOWN);
  EXPECT_TRUE(greyed.empty()) << "an invalid field offers no menu";
}

TEST_F(AngleFieldTest, FirstClickSelectsAllAndLaterClicksLandOnASlot) {
  OpenAt(0);
  const CPoint onSeparator = dialog.field.PosFromChar(3);  // the blank after the degree sign
  int start = 0, end = 0;
  for (const auto& selected : {std::pair(0, 16), std::pair(4, 4)}) {
    dialog.Driver().ClickAt(kFieldId, onSeparator);
    dialog.field.GetSel(start, end);
    EXPECT_EQ(std::pair(start, end), selected);
  }
}

TEST_F(AngleFieldTest, EnterCanStandForTab) {
  dialog.field.SetEnterAsTab(true);
  dialog.Open();
  dialog.Keys("{ENTER}");
  EXPECT_EQ(dialog.Driver().FocusId(), kOtherId);
  EXPECT_FALSE(dialog.IsEnded());
}

TEST_F(AngleFieldTest, CellEditorReportsHowTheEditEnded) {
  struct CellEnd { const char* keys; bool hasText; const char* text; LPARAM byTab; };
  const CellEnd kEnds[] = {
      {"{END}s{ENTER}", true, "45° 00'.0000000S", 0},
      {"{END}s{TAB}", true, "45° 00'.0000000S", 1},
      {"{END}s{ESC}", false, "", 0},
  };
  dialog.Open();
  auto& list = dialog.Driver().ItemAs<CListCtrl>(kListId);
  for (const CellEnd& end : kEnds) {
    dialog.ended.clear();
    CEditLat cell;
    cell.UseSettings({1, 7, 'N'});
    cell.SetCell(3, 2, AnsiFromUtf8("45° 00'.0000000N"));
    ASSERT_TRUE(cell.CreateInPlace(CRect(10, 20, 60, 34), &list));
    EXPECT_EQ(CWnd::GetFocus(), &cell);
    CRect placed;
    cell.GetWindowRect(&placed);
    EXPECT_EQ(placed.Width(), 16 * platform::ui::CharWidth(list.GetFont()) + 5) << "widened to its text";
    dialog.Keys(end.keys);
    EXPECT_FALSE(cell.IsWindow()) << end.keys;
    EXPECT_FALSE(dialog.IsEnded()) << "Enter and Escape are the cell's, not the dialog's";
    ASSERT_EQ(dialog.ended.size(), 1u) << end.keys;
    const NMLVDISPINFO& info = dialog.ended[0];
    EXPECT_EQ(info.hdr.idFrom, static_cast<UINT_PTR>(kListId));
    EXPECT_EQ(std::tuple(info.item.iItem, info.item.iSubItem, info.hasText, info.item.lParam),
              std::tuple(3, 2, end.hasText, end.byTab)) << end.keys;
    EXPECT_EQ(info.item.pszText, AnsiFromUtf8(end.text));
    EXPECT_EQ(info.item.cchTextMax, static_cast<int>(info.item.pszText.size()));
  }
}

}  // namespace
