#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <array>
#include <span>
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

std::span<const ButtonDef> ButtonsOf(UINT style) {
  const ButtonSet& set = ButtonSetOf(style);
  return std::span(set.buttons).first(static_cast<std::size_t>(set.count));
}

// Layout in dialog units: the text on lines of about 60 characters above a
// row of 50-unit buttons at the right. Text beyond what a screen can hold
// adds no lines.
constexpr short kMargin = 7;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kButtonGap = 4;
constexpr short kLineHeight = 8;
constexpr short kCharsPerLine = 60;
constexpr short kUnitsPerChar = 4;
constexpr std::size_t kMostLaidOutChars = 4000;

struct BoxLayout {
  platform::ui::DialogUnits box, text;
  short firstButtonX, buttonsY;
};

BoxLayout LayOut(std::size_t textLength, std::size_t buttons) {
  const auto length = static_cast<short>(std::min(textLength, kMostLaidOutChars));
  const auto count = static_cast<short>(buttons);
  const auto lines = static_cast<short>(1 + length / kCharsPerLine);
  const auto textWidth = static_cast<short>(std::min(length, kCharsPerLine) * kUnitsPerChar);
  const auto rowWidth = static_cast<short>(count * kButtonWidth + (count - 1) * kButtonGap);
  const auto width = static_cast<short>(std::max(textWidth, rowWidth) + 2 * kMargin);
  const auto buttonsY = static_cast<short>(2 * kMargin + lines * kLineHeight);
  return {{0, 0, width, static_cast<short>(buttonsY + kButtonHeight + kMargin)},
          {kMargin, kMargin, textWidth, static_cast<short>(lines * kLineHeight)},
          static_cast<short>(width - kMargin - rowWidth),
          buttonsY};
}

}  // namespace

CMessageBox::CMessageBox(std::string text, std::string caption, UINT style, CWnd* parent)
    : CDialog(0, parent), text_(std::move(text)), caption_(std::move(caption)), style_(style) {}

std::vector<int> CMessageBox::Buttons() const {
  std::vector<int> ids;
  for (const ButtonDef& button : ButtonsOf(style_)) ids.push_back(button.id);
  return ids;
}

bool CMessageBox::HasButton(int id) const {
  const std::span<const ButtonDef> buttons = ButtonsOf(style_);
  return std::any_of(buttons.begin(), buttons.end(), [id](const ButtonDef& button) { return button.id == id; });
}

int CMessageBox::CloseAnswer() const { return ButtonSetOf(style_).closeAnswer; }

int CMessageBox::DefaultButton() const {
  const std::span<const ButtonDef> buttons = ButtonsOf(style_);
  return buttons[std::min<std::size_t>((style_ & MB_DEFMASK) >> 8, buttons.size() - 1)].id;
}

BOOL CMessageBox::OnInitDialog() {
  CDialog::OnInitDialog();
  // Enter answers with the default button, which starts with the focus.
  GotoDlgCtrl(GetDlgItem(DefaultButton()));
  return FALSE;
}

BOOL CMessageBox::CreateDialogWindow(CWnd* parent, DWORD extraStyle) {
  using namespace platform::ui;
  const std::span<const ButtonDef> buttons = ButtonsOf(style_);
  const BoxLayout layout = LayOut(text_.size(), buttons.size());
  items_.clear();
  items_.push_back({kTextId, ControlKind::Static, text_, layout.text, WS_CHILD | WS_VISIBLE | SS_LEFT});
  short x = layout.firstButtonX;
  for (const ButtonDef& button : buttons) {
    const DWORD kind = button.id == DefaultButton() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    items_.push_back({button.id, ControlKind::Button, button.text, {x, layout.buttonsY, kButtonWidth, kButtonHeight},
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind});
    x = static_cast<short>(x + kButtonWidth + kButtonGap);
  }
  const DialogTemplate box{0, caption_, layout.box, WS_POPUP | WS_CAPTION | WS_SYSMENU, items_};
  return BuildFromTemplate(box, parent, extraStyle);
}

int CMessageBox::DoModal() {
  const int answer = CDialog::DoModal();
  // Headless, a loop that nothing can wake ends with IDCANCEL whatever the
  // buttons; that is the box being closed.
  return answer == IDCANCEL && !HasButton(IDCANCEL) ? CloseAnswer() : answer;
}

BOOL CMessageBox::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (HIWORD(wParam) != BN_CLICKED || !HasButton(id)) return CDialog::OnCommand(wParam, lParam);
  EndDialog(id);
  return TRUE;
}

void CMessageBox::OnCancel() { EndDialog(CloseAnswer()); }

int MessageBox(CWnd* parent, const std::string& text, const std::string& caption, UINT style) {
  CMessageBox box(text, caption, style, parent);
  return box.DoModal();
}
