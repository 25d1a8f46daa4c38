#include "controls/DarkLook.h"

namespace {

struct LookColours {
  COLORREF background;
  COLORREF text;
};
// By the dark flag.
constexpr LookColours kLooks[] = {{0x555555, 0xFFFFFF}, {0x000000, 0xC0C0C0}};

struct AnswerRule {
  UINT ctlColor;
  bool textOnBackground;  // draws text in the look's colours
  bool pagesAndSheetsOnly;
};
// Every kind not listed keeps the toolkit's colours.
constexpr AnswerRule kRules[] = {
    {CTLCOLOR_DLG, false, false},
    {CTLCOLOR_STATIC, true, false},
    {CTLCOLOR_BTN, false, true},
};

}  // namespace

DarkLook::DarkLook() { SetDark(0); }

void DarkLook::SetDark(BYTE dark) {
  dark_ = dark;
  const LookColours& look = kLooks[dark ? 1 : 0];
  background_ = look.background;
  text_ = look.text;
  brush_.DeleteObject();
  brush_.CreateSolidBrush(background_);
}

CBrush* DarkLook::Answer(LookOwner owner, CDC* dc, UINT ctlColor) {
  for (const AnswerRule& rule : kRules) {
    if (rule.ctlColor != ctlColor || (rule.pagesAndSheetsOnly && owner != LookOwner::PageOrSheet)) continue;
    if (rule.textOnBackground && dc) {
      dc->SetTextColor(text_);
      dc->SetBkColor(background_);
    }
    return &brush_;
  }
  return nullptr;
}
