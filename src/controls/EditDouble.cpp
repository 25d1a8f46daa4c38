#include "controls/EditDouble.h"

#include <algorithm>

#include "platform/ui/Clipboard.h"

void CEditDouble::LimitToLayout() {
  const auto limit = static_cast<UINT>(std::max(layout.maxCharacters, 0));
  if (GetLimitText() != limit) SetLimitText(limit);
}

void CEditDouble::SetValue(double value) {
  if (IsCreated()) LimitToLayout();
  value_ = value;
  ShowText(NumberValueText(layout, value));
  InstallToolTip("Double");
}

void CEditDouble::ShowEdited(const NumberEdit& edit) {
  SetWindowText(edit.text);
  SetSel(edit.caret, edit.caret);
  SendMessage(EM_SCROLLCARET);
  if (IsInPlace()) WidenToText();
  const double value = NumberTextValue(edit.text);
  if (value == value_) return;
  value_ = value;
  SetPending(true);
  PostValueChanged(false);
}

void CEditDouble::TypeCharacter(char c, int start, int end) {
  if (const auto edit = TypeNumberCharacter(layout, GetWindowText(), start, end, c)) ShowEdited(*edit);
}

void CEditDouble::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  // Delete cuts. With nothing selected that changes nothing, just as the
  // Backspace that Delete stands for at the very start does.
  if (key == VK_INSERT)
    PasteClipboard();
  else if (key == VK_DELETE)
    CutSelection();
  else
    CBaseEdit::OnKeyDown(key, repeat, flags);
}

void CEditDouble::CutSelection() {
  if (IsReadOnly()) return;
  int start = 0;
  int end = 0;
  GetSel(start, end);
  const NumberCut cut = CutNumberSelection(layout, GetWindowText(), start, end);
  if (!cut.clipboard.empty()) platform::ui::Clipboard::SetText(cut.clipboard);
  ShowEdited(cut.edit);
}

void CEditDouble::PasteClipboard() {
  if (IsReadOnly()) return;
  const auto clipboard = platform::ui::Clipboard::GetText();
  if (!clipboard) return;
  int start = 0;
  int end = 0;
  GetSel(start, end);
  if (const auto pasted = PasteIntoNumber(layout, GetWindowText(), start, end, *clipboard)) ShowEdited(*pasted);
}

void CEditDouble::OnFocusTaken() {
  LimitToLayout();
  SetWindowText(NumberTextOnFocusGain(layout, GetWindowText()));
  SelectAll();
}

void CEditDouble::OnFocusLost() {
  SetPending(false);
  SetValue(NumberTextValue(GetWindowText()));
}
