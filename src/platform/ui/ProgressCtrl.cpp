#include "platform/ui/ProgressCtrl.h"

#include <algorithm>
#include <utility>

BOOL CProgressCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateWindowOf(platform::ui::ControlKind::ProgressBar, "", style, rect, parent, id);
}

void CProgressCtrl::TakeStateFrom(CWnd& standIn) {
  if (auto* other = dynamic_cast<CProgressCtrl*>(&standIn)) {
    lower_ = other->lower_;
    upper_ = other->upper_;
    pos_ = other->pos_;
    step_ = other->step_;
  }
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
  lower = lower_;
  upper = upper_;
}

int CProgressCtrl::Move(int pos) {
  const int previous = pos_;
  // A reversed range keeps the position at the lower end.
  pos_ = lower_ <= upper_ ? std::clamp(pos, lower_, upper_) : lower_;
  if (pos_ != previous) Invalidate();
  return previous;
}

LRESULT CProgressCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case PBM_SETRANGE: {
      const int previous = MAKELPARAM(static_cast<unsigned>(lower_), static_cast<unsigned>(upper_));
      lower_ = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
      upper_ = static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)));
      Move(pos_);
      return previous;
    }
    case PBM_SETRANGE32:
      lower_ = static_cast<int>(wParam);
      upper_ = static_cast<int>(lParam);
      Move(pos_);
      return 0;
    case PBM_SETPOS:
      return Move(static_cast<int>(wParam));
    case PBM_DELTAPOS:
      return Move(pos_ + static_cast<int>(wParam));
    case PBM_SETSTEP:
      return std::exchange(step_, static_cast<int>(wParam));
    case PBM_STEPIT: {
      // Stepping past the end wraps to the start, as the bar does.
      const int next = pos_ + step_;
      return Move(next > upper_ ? lower_ + (next - upper_) : next);
    }
    case PBM_GETPOS:
      return pos_;
    default:
      return CWnd::DefWindowProc(message, wParam, lParam);
  }
}

void CProgressCtrl::CheckInvariants(std::vector<std::string>& problems) const {
  CWnd::CheckInvariants(problems);
  if (lower_ <= upper_ && (pos_ < lower_ || pos_ > upper_))
    problems.push_back("progress bar " + std::to_string(GetDlgCtrlID()) + ": position " + std::to_string(pos_) +
                       " outside " + std::to_string(lower_) + ".." + std::to_string(upper_));
}
