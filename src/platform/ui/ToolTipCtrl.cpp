#include "platform/ui/ToolTipCtrl.h"

#include <algorithm>

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  return CWnd::Create(std::string_view{}, style | WS_POPUP, CRect{}, parent, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, std::string_view text) {
  if (!tool || !tool->m_hWnd) return FALSE;
  DelTool(tool);
  tools_.push_back({tool->m_hWnd, std::string(text)});
  return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* tool) {
  if (tool) std::erase_if(tools_, [&](const Tool& t) { return t.hwnd == tool->m_hWnd; });
}

void CToolTipCtrl::UpdateTipText(std::string_view text, CWnd* tool) {
  for (Tool& t : tools_)
    if (tool && t.hwnd == tool->m_hWnd) t.text = text;
}

std::string CToolTipCtrl::GetText(const CWnd* tool) const {
  auto it = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& t) { return tool && t.hwnd == tool->m_hWnd; });
  return it == tools_.end() ? std::string() : it->text;
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
  if (msg) ++relayed_;
}
