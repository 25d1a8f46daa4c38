// The companion libraries' pieces: the error box (the window system's
// message box, answered through the automation hook or, headless, closed)
// and the yes/no and status image lists.

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "platform/companions/ErrorMessage.h"
#include "platform/companions/FlagsImageList.h"
#include "platform/companions/NoYesImageList.h"
#include "platform/ui/Automation.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/MessageBox.h"

namespace {

using platform::ui::Driver;
using platform::ui::ModalTurn;
using platform::ui::ScopedAutomation;

// The wind farm find's style: an error icon and OK alone, with bits above
// the type and icon that the box keeps but does not act on.
constexpr UINT kWindFarmStyle = 0x300010;

struct BoxCase {
  UINT style;
  std::vector<int> buttons;  // left to right
  int closed;                // Escape, the close box, or headless with no hook
  int enter;                 // the default button
};

const BoxCase kBoxCases[] = {
    {kWindFarmStyle, {IDOK}, IDOK, IDOK},
    {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL, IDOK},
    {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, {IDABORT, IDRETRY, IDIGNORE}, IDABORT, IDIGNORE},
    {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, IDCANCEL, IDYES},
    {MB_YESNO | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO, IDNO},
    {MB_RETRYCANCEL | MB_DEFBUTTON3, {IDRETRY, IDCANCEL}, IDCANCEL, IDCANCEL},
    {MB_CANCELTRYCONTINUE, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, IDCANCEL, IDCANCEL},
    // Type values beyond the defined ones show OK alone.
    {MB_TYPEMASK, {IDOK}, IDOK, IDOK},
};

// Runs ErrorMessage with a hook that acts once the box is up.
int AnswerBox(UINT style, const std::function<void(Driver&)>& act) {
  ScopedAutomation automation([&](Driver& d) {
    if (d.Turn() == ModalTurn::Started) act(d);
  });
  return ErrorMessage("No Turbines Loaded", nullptr, style);
}

TEST(ErrorMessage, ShowsTheTextModallyAndAnswersWithTheButtonPressed) {
  for (const BoxCase& c : kBoxCases) {
    SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style);
    EXPECT_EQ(ErrorMessage("No Turbines Loaded", nullptr, c.style), c.closed) << "headless, no hook";
    for (int button : c.buttons) EXPECT_EQ(AnswerBox(c.style, [&](Driver& d) { d.Click(button); }), button);
    EXPECT_EQ(AnswerBox(c.style, [](Driver& d) { d.KeyToFocus(VK_ESCAPE); }), c.closed);
    EXPECT_EQ(AnswerBox(c.style, [](Driver& d) { d.KeyToFocus(VK_RETURN); }), c.enter);
    AnswerBox(c.style, [&](Driver& d) {
      EXPECT_EQ(d.Caption(), "Error");
      EXPECT_EQ(d.Text(CMessageBox::kTextId), "No Turbines Loaded");
      auto* box = dynamic_cast<CMessageBox*>(&d.Dialog());
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->Style(), c.style);
      EXPECT_EQ(box->Buttons(), c.buttons);
      for (int button : c.buttons) EXPECT_TRUE(d.IsVisible(button)) << button;
      d.Click(c.buttons.front());
    });
  }
}

// Small icons on a transparent ground, each one different, so a choice or
// a status can never show another's picture, and none of them empty.
void ExpectDistinctMaskedIcons(const CImageList& list, int count, int size) {
  ASSERT_EQ(list.GetImageCount(), count);
  EXPECT_EQ(list.GetImageSize(), CSize(size, size));
  std::set<std::vector<COLORREF>> pictures;
  for (int i = 0; i < count; ++i) {
    EXPECT_TRUE(list.IsTransparent(i, 0, 0)) << i;
    int shown = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) shown += list.IsTransparent(i, x, y) ? 0 : 1;
    EXPECT_GT(shown, size * size / 8) << i;
    pictures.insert(list.ExtractIcon(i)->Pixels());
  }
  EXPECT_EQ(pictures.size(), static_cast<std::size_t>(count));
}

TEST(CompanionImages, NoYesAndStatusIconsAreDistinctMaskedSmallIcons) {
  ExpectDistinctMaskedIcons(CNoYesImageList(), 2, CNoYesImageList::kImageSize);
  ExpectDistinctMaskedIcons(CFlagsImageList(), CFlagsImageList::kStatusCount, CFlagsImageList::kIconSize);
}

// The index is a record's status value: anything outside 0..9 gives no icon.
TEST(CompanionImages, StatusIconByIndexAndNoneOutside) {
  const CFlagsImageList icons;
  for (int index : {0, 3, 9}) EXPECT_NE(icons.GetIcon(index), nullptr) << index;
  for (int index : {-1, 10, 11, INT_MAX, INT_MIN}) EXPECT_EQ(icons.GetIcon(index), nullptr) << index;
}

}  // namespace
