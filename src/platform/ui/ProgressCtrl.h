#pragma once
// CProgressCtrl: a range and a position kept inside it.

#include "frame/Api.h"
#include "platform/ui/Wnd.h"

class OVERLAYS_API CProgressCtrl : public CWnd {
 public:
  BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);
  // The 16-bit range message: both ends packed into one value.
  void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(lower), static_cast<WORD>(upper))); }
  void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
  void GetRange(int& lower, int& upper) const;
  int SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(pos))); }
  int GetPos() const { return pos_; }
  int OffsetPos(int delta) { return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(delta))); }
  int SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step))); }
  int StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void CheckInvariants(std::vector<std::string>& problems) const override;

 protected:
  void TakeStateFrom(CWnd& standIn) override;

 private:
  int Move(int pos);
  int lower_ = 0;
  int upper_ = 100;
  int pos_ = 0;
  int step_ = 10;
};
