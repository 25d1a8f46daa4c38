#pragma once
// CEditDouble: the number field of the module's dialogs (a search radius,
// say). Its layout fixes the integer digits, decimals, sign, units and
// bounds, and keys that would make an ill-formed number are dropped (the
// rules are in NumberTyping). The value kNoNumber shows "n/a". Every change
// of the value by typing, cutting or pasting posts the parent
// "UM_EDIT_UPDATE".

#include "controls/BaseEdit.h"
#include "controls/NumberTyping.h"
#include "frame/Api.h"

class OVERLAYS_API CEditDouble : public CBaseEdit {
 public:
  CEditDouble() : CBaseEdit(EditKind::Number) {}

  // Shows a value (kNoNumber: none) in the field's layout.
  void SetValue(double value);
  double GetValue() const { return value_; }

  // Set by the owning dialog, usually before the window exists.
  NumberLayout layout;
  // The dialog's step for this value; no key of the field uses it.
  double step = 1.0;

 protected:
  void ShowValue() override { SetValue(value_); }
  void CutSelection() override;
  void PasteClipboard() override;
  void TypeCharacter(char ch, int selStart, int selEnd) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnFocusTaken() override;
  void OnFocusLost() override;

 private:
  // Shows a text the user's edit made; reports a change of the value.
  void ShowEdited(const NumberEdit& edit);
  void LimitToLayout();

  double value_ = kNoNumber;
};
