#include "controls/MyToolTip.h"

void CMyToolTip::Install(CWnd& tool, std::string_view text) {
  text_ = text;
  if (added_ && m_hWnd) {
    UpdateTipText(text_, &tool);
    return;
  }
  AddPending(tool);
}

void CMyToolTip::AddPending(CWnd& tool) {
  if (added_ || text_.empty() || !tool.m_hWnd) return;
  if (!m_hWnd && !Create(&tool)) return;
  added_ = AddTool(&tool, text_) != FALSE;
}
