#include "controls/MyRichEditCtrl.h"

#include "frame/MessageNames.h"
#include "platform/ui/RegisteredMessages.h"

namespace {
const UINT UM_RICH_EDIT = platform::ui::RegisterWindowMessage(messages::kRichEdit);
}  // namespace

const MessageMap& CMyRichEditCtrl::GetMessageMap() const {
  using H = Handlers<CMyRichEditCtrl>;
  static const MessageMap map(&CRichEditCtrl::GetMessageMap(), {
      H::Key(WM_KEYDOWN, &CMyRichEditCtrl::OnKeyDown),
      H::Mouse(WM_LBUTTONDOWN, &CMyRichEditCtrl::OnLButtonDown),
  });
  return map;
}

void CMyRichEditCtrl::TellParent(LPARAM event) {
  // Posted, not sent: the parent hears of the edit after the field has
  // handled the key or click, and sees the text as it has become.
  if (CWnd* parent = GetParent())
    parent->PostMessage(UM_RICH_EDIT, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), UM_RICH_EDIT), event);
}

void CMyRichEditCtrl::OnKeyDown(UINT, UINT, UINT) {
  TellParent(kRichEditKeyPressed);
  Default();
}

void CMyRichEditCtrl::OnLButtonDown(UINT, CPoint) {
  TellParent(kRichEditClicked);
  Default();
}
