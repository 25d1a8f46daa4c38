#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct ButtonDef {
  int id;
  std::string_view text;
};

// The button sets of the MB_ type values 0 to 6, in their order on screen,
// with what closing each kind of box answers.
struct ButtonSet {
  std::array<ButtonDef, 3> buttons;
  int count;
  int closeAnswer;
};

constexpr ButtonDef kOk{IDOK, "OK"};
constexpr ButtonDef kCancel{IDCANCEL, "Cancel"};
constexpr ButtonDef kYes{IDYES, "&Yes"};
constexpr ButtonDef kNo{IDNO, "&No"};
constexpr ButtonDef kRetry{IDRETRY, "&Retry"};

constexpr ButtonSet kButtonSets[] = {
    {{kOk}, 1, IDOK},
    {{kOk, kCancel}, 2, IDCANCEL},
    {{ButtonDef{IDABORT, "&Abort"}, kRetry, ButtonDef{IDIGNORE, "&Ignore"}}, 3, IDABORT},
    {{kYes, kNo, kCancel}, 3, IDCANCEL},
    {{kYes, kNo}, 2, IDNO},
    {{kRetry, kCancel}, 2, IDCANCEL},
    {{kCancel, ButtonDef{IDTRYAGAIN, "&Try Again"}, ButtonDef{IDCONTINUE, "&Continue"}}, 3, IDCANCEL},
};

// An unknown type value shows OK alone, as the platform does.
const ButtonSet& ButtonSetOf(UINT style) {
  const UINT type = style & MB_TYPEMASK;
  return type < std::size(kButtonSets) ? kButtonSets[type] : kButtonSets[0];
}

// Layout in dialog units: the text on lines of about 60 characters above a
// row of 50-unit buttons.
constexpr short kMargin = 7;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonGap = 4;
constexpr short kLineHeight = 8;
constexpr short kCharsPerLine = 60;
constexpr short kUnitsPerChar = 4;

}  // namespace

CMessageBox::CMessageBox(std::string text, std::string caption, UINT style, CWnd* parent)
    : CDialog(0, parent), text_(std::move(text)), caption_(std::move(caption)), style_(style) {}

std::vector<int> CMessageBox::Buttons() const {
  const ButtonSet& set = ButtonSetOf(style_);
  std::vector<int> ids;
  for (int i = 0; i < set.count; ++i) ids.push_back(set.buttons[static_cast<std::size_t>(i)].id);
  return ids;
}

int CMessageBox::CloseAnswer() const { return ButtonSetOf(style_).closeAnswer; }

int CMessageBox::DefaultButton() const {
  const ButtonSet& set = ButtonSetOf(style_);
  const int chosen = std::min(static_cast<int>((style_ & MB_DEFMASK) >> 8), set.count - 1);
  return set.buttons[static_cast<std::size_t>(chosen)].id;
}

BOOL CMessageBox::OnInitDialog() {
  CDialog::OnInitDialog();
  // Enter answers with the default button, which starts with the focus.
  GotoDlgCtrl(GetDlgItem(DefaultButton()));
  return FALSE;
}

BOOL CMessageBox::CreateDialogWindow(CWnd* parent, DWORD extraStyle) {
  using namespace platform::ui;
  const ButtonSet& set = ButtonSetOf(style_);
  const auto length = static_cast<short>(std::min<std::size_t>(text_.size(), 4000));
  const short lines = static_cast<short>(1 + length / kCharsPerLine);
  const short textWidth = static_cast<short>(std::min(length, kCharsPerLine) * kUnitsPerChar);
  const short rowWidth = static_cast<short>(set.count * kButtonWidth + (set.count - 1) * kButtonGap);
  const short width = static_cast<short>(std::max(textWidth, rowWidth) + 2 * kMargin);
  const short buttonsTop = static_cast<short>(2 * kMargin + lines * kLineHeight);

  items_.clear();
  items_.push_back({kTextId, ControlKind::Static, text_, {kMargin, kMargin, textWidth, static_cast<short>(lines * kLineHeight)},
                    WS_CHILD | WS_VISIBLE | SS_LEFT});
  short x = static_cast<short>(width - kMargin - rowWidth);
  for (int i = 0; i < set.count; ++i) {
    const ButtonDef& button = set.buttons[static_cast<std::size_t>(i)];
    const DWORD kind = button.id == DefaultButton() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    items_.push_back({button.id, ControlKind::Button, button.text, {x, buttonsTop, kButtonWidth, kButtonHeight},
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind});
    x = static_cast<short>(x + kButtonWidth + kButtonGap);
  }
  const DialogTemplate box{0, caption_, {0, 0, width, static_cast<short>(buttonsTop + kButtonHeight + kMargin)},
                           WS_POPUP | WS_CAPTION | WS_SYSMENU, items_};
  return BuildFromTemplate(box, parent, extraStyle);
}

int CMessageBox::DoModal() {
  const int answer = CDialog::DoModal();
  // Headless, a loop that nothing can wake ends with IDCANCEL whatever the
  // buttons; that is the box being closed.
  const std::vector<int> buttons = Buttons();
  if (answer == IDCANCEL && std::find(buttons.begin(), buttons.end(), IDCANCEL) == buttons.end())
    return CloseAnswer();
  return answer;
}

BOOL CMessageBox::OnCommand(WPARAM wParam, LPARAM lParam) {
  const std::vector<int> buttons = Buttons();
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) != BN_CLICKED || std::find(buttons.begin(), buttons.end(), id) == buttons.end())
    return CDialog::OnCommand(wParam, lParam);
  EndDialog(id);
  return TRUE;
}

void CMessageBox::OnCancel() { EndDialog(CloseAnswer()); }

int MessageBox(CWnd* parent, const std::string& text, const std::string& caption, UINT style) {
  CMessageBox box(text, caption, style, parent);
  return box.DoModal();
}
