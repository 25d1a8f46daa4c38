#pragma once
// CToolTipCtrl: the tip texts of tools (windows), and the mouse messages
// relayed to it. A backend shows the tip; tests read it.

#include <string>
#include <utility>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CToolTipCtrl : public CWnd {
 public:
  BOOL Create(CWnd* parent, DWORD style = 0);
  BOOL AddTool(CWnd* tool, std::string_view text);
  void DelTool(CWnd* tool);
  void UpdateTipText(std::string_view text, CWnd* tool);
  int GetToolCount() const { return static_cast<int>(tools_.size()); }
  // The tip of a tool; empty when it has none.
  std::string GetText(const CWnd* tool) const;
  void Activate(BOOL active) { active_ = active != FALSE; }
  bool IsActive() const { return active_; }
  void RelayEvent(MSG* msg);
  int RelayedCount() const { return relayed_; }
  int SetMaxTipWidth(int width) { return std::exchange(maxWidth_, width); }

 private:
  struct Tool {
    HWND hwnd;
    std::string text;
  };
  std::vector<Tool> tools_;
  bool active_ = true;
  int relayed_ = 0;
  int maxWidth_ = -1;
};
