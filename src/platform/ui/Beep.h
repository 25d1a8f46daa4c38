#pragma once
// The system's warning sounds. Headless there is nothing to hear, so the
// window system counts them: a test or a backend reads how many sounded
// and of which kind the last was.

#include "frame/Api.h"
#include "platform/ui/WinConstants.h"

OVERLAYS_API BOOL MessageBeep(UINT type);

namespace platform::ui {

struct BeepRecord {
  int count = 0;
  UINT last = 0;
};
// The beeps of the calling thread so far.
OVERLAYS_API BeepRecord Beeps();

}  // namespace platform::ui
