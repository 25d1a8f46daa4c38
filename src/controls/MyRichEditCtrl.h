#pragma once
// CMyRichEditCtrl: a rich edit field that tells its parent about every key
// press and left click before handling it, so that a dialog holding long
// free text can react to edits as they begin. It posts "UM_RICH_EDIT" with
// the field's id in the low word of wParam and the message number in the
// high word; lParam is kRichEditKeyPressed or kRichEditClicked.
//
// The owner keeps lines of text for the field in `m_Strings`; the field
// itself never reads them.

#include <string>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/RichEditCtrl.h"

inline constexpr LPARAM kRichEditKeyPressed = 1;
inline constexpr LPARAM kRichEditClicked = 2;

class OVERLAYS_API CMyRichEditCtrl : public CRichEditCtrl {
 public:
  const MessageMap& GetMessageMap() const override;

  std::vector<std::string> m_Strings;

 private:
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  void OnLButtonDown(UINT flags, CPoint point);
  void TellParent(LPARAM event);
};
