#include "platform/ui/Beep.h"

namespace platform::ui {
namespace {

BeepRecord& Own() {
  thread_local BeepRecord beeps;
  return beeps;
}

}  // namespace

BeepRecord Beeps() { return Own(); }

}  // namespace platform::ui

BOOL MessageBeep(UINT type) {
  platform::ui::BeepRecord& beeps = platform::ui::Own();
  ++beeps.count;
  beeps.last = type;
  return TRUE;
}
