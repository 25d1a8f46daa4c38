#include "controls/ColourDialogEx.h"

CColourDialogEx::CColourDialogEx(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

const MessageMap& CColourDialogEx::GetMessageMap() const {
  using H = Handlers<CColourDialogEx>;
  static const MessageMap map(&CDialog::GetMessageMap(), {H::CtlColor(&CColourDialogEx::OnCtlColor)});
  return map;
}

CBrush* CColourDialogEx::OnCtlColor(CDC* dc, CWnd*, UINT ctlColor) {
  return look_.Answer(LookOwner::Dialog, dc, ctlColor);
}
