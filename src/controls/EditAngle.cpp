#include "controls/EditAngle.h"

#include "geodesy/angle/AngleText.h"
#include "platform/ui/Clipboard.h"

CEditLat::CEditLat() : CEditAngle(EditKind::Latitude, 5) {}

CEditLon::CEditLon() : CEditAngle(EditKind::Longitude, 6) {}

const MessageMap& CEditAngle::GetMessageMap() const {
  using H = Handlers<CEditAngle>;
  static const MessageMap map(&CBaseEdit::GetMessageMap(), {
      H::Mouse(WM_LBUTTONDOWN, &CEditAngle::OnLButtonDown),
  });
  return map;
}

AngleSettings CEditAngle::TextSettings() const { return fixedSettings_ ? *fixedSettings_ : ReadAngleSettings(angleKind_); }

AngleFieldLayout CEditAngle::Layout() const {
  const AngleSettings settings = TextSettings();
  return AngleFieldLayoutFor(angleKind_, settings.format, settings.decimals, settings.hemisphere);
}

void CEditAngle::SetAngle(const CAngle& angle) {
  const AngleFieldLayout layout = Layout();
  if (IsCreated()) SetLimitText(static_cast<UINT>(layout.mask.size()));
  value_ = angle;
  ShowText(FormatAngle(angle.Radians(), angleKind_, layout.format, layout.decimals, layout.hemisphere));
  InstallToolTip("Angle");
}

void CEditAngle::ShowEdited(const std::string& before, const std::string& text, int caret, bool alwaysReport) {
  // The value before is read from the text the user saw, in the field's
  // own kind, so that flipping a hemisphere letter counts as a change.
  const double old = ParseAngle(before, angleKind_);
  SetWindowText(text);
  SetSel(caret, caret);
  SendMessage(EM_SCROLLCARET);
  value_.SetFromText(text, angleKind_);
  if (!alwaysReport && value_.Radians() == old) return;
  SetPending(true);
  PostValueChanged(true);
}

void CEditAngle::TypeCharacter(char c, int start, int end) {
  const std::string before = GetWindowText();
  if (const auto edit = TypeAngleCharacter(Layout(), before, start, end, c))
    ShowEdited(before, edit->text, edit->caret, false);
}

void CEditAngle::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (key != VK_INSERT && key != VK_DELETE) return CBaseEdit::OnKeyDown(key, repeat, flags);
  if (IsReadOnly()) return;
  int start = 0;
  int end = 0;
  GetSel(start, end);
  if (key == VK_INSERT)
    PasteClipboard();
  else if (start == 0 && end == 0)
    OnChar('\b', repeat, flags);  // nothing before the caret to rub out
  else
    CutSelection();
}

void CEditAngle::OnLButtonDown(UINT, CPoint) {
  Default();
  int start = 0;
  int end = 0;
  GetSel(start, end);
  if (start != end) return;
  const int slot = AngleSlotFrom(Layout(), start);
  SetSel(slot, slot);
}

void CEditAngle::CutSelection() {
  if (IsReadOnly()) return;
  int start = 0;
  int end = 0;
  GetSel(start, end);
  // An empty selection cuts nothing, and leaves the clipboard alone.
  if (start == end) return;
  const std::string before = GetWindowText();
  const AngleFieldLayout layout = Layout();
  platform::ui::Clipboard::SetText(before.substr(static_cast<std::size_t>(start),
                                                 static_cast<std::size_t>(end - start)));
  const bool whole = start == 0 && end >= static_cast<int>(layout.mask.size());
  const std::string cut = whole ? layout.zero : ClearAngleSelection(layout, before, start, end);
  ShowEdited(before, cut, whole ? 0 : start, true);
}

void CEditAngle::PasteClipboard() {
  if (IsReadOnly()) return;
  const auto clipboard = platform::ui::Clipboard::GetText();
  if (!clipboard) return;
  const std::string before = GetWindowText();
  int start = 0;
  int end = 0;
  GetSel(start, end);
  const auto pasted = PasteIntoAngleText(before, start, end, *clipboard);
  if (!pasted) return;
  const AngleFieldLayout layout = Layout();
  value_.SetFromText(*pasted, angleKind_);
  const std::string text = FormatAngle(value_.Radians(), angleKind_, layout.format, layout.decimals, layout.hemisphere);
  ShowEdited(before, text, start, true);
}
