#pragma once
// CMyToolTip: the tip of one control, added once the control's window
// exists. The control may name its tip text before then; the tip is
// created and the control added to it when the window comes.

#include <string>
#include <string_view>

#include "frame/Api.h"
#include "platform/ui/ToolTipCtrl.h"

class OVERLAYS_API CMyToolTip : public CToolTipCtrl {
 public:
  // Sets the tip of `tool`, adding it when its window exists.
  void Install(CWnd& tool, std::string_view text);
  // Adds a tip named before the tool's window existed.
  void AddPending(CWnd& tool);
  bool IsAdded() const { return added_; }
  const std::string& TipText() const { return text_; }

 private:
  bool added_ = false;
  std::string text_;
};
