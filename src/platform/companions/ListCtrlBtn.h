#pragma once
// CListCtrlBtn: what the list support library's buttons share. A dialog
// subclasses one onto a button of its template and binds a report list to
// it with SetListCtrl; a click (the button's own BN_CLICKED, which the
// dialog then does not see) hands the list, titled with the dialog's
// caption, to the button's export. An export that fails says why in an
// error box over the dialog, and leaves the reason where a host without a
// screen can print it (LastProblem).

#include <optional>
#include <string>
#include <string_view>

#include "frame/Api.h"
#include "platform/companions/ListTable.h"
#include "platform/ui/Button.h"

class CListCtrl;

class OVERLAYS_API CListCtrlBtn : public CButton {
 public:
  // Not owned; the dialog's list outlives the button's clicks.
  void SetListCtrl(CListCtrl* list) { list_ = list; }

  // Why the last export on this thread failed; empty when it succeeded or
  // was cancelled.
  static std::string LastProblem();

  const MessageMap& GetMessageMap() const override;

 protected:
  virtual void Export(const platform::companions::ListTable& table) = 0;
  // A path from the save-file dialog, offering the list's title as the
  // name; none when the user cancels.
  std::optional<std::string> AskForPath(const platform::companions::ListTable& table, std::string_view dialogTitle,
                                        std::string_view extension, std::string_view filter);
  void Fail(std::string reason);

 private:
  void OnClicked();
  // The caption of the dialog the button sits in.
  std::string DialogCaption();

  CListCtrl* list_ = nullptr;
};
