#include "platform/ui/Clock.h"

#include <mutex>

namespace platform::ui {
namespace {

struct Installed {
  std::mutex mutex;
  std::shared_ptr<const Clock> clock = std::make_shared<SystemClock>();
};

Installed& TheInstalled() {
  static Installed installed;
  return installed;
}

std::shared_ptr<const Clock> Swap(std::shared_ptr<const Clock> next) {
  Installed& installed = TheInstalled();
  std::lock_guard lock(installed.mutex);
  installed.clock.swap(next);
  return next;
}

}  // namespace

Millis SystemClock::Now() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

const Clock& CurrentClock() {
  Installed& installed = TheInstalled();
  std::lock_guard lock(installed.mutex);
  return *installed.clock;
}

ScopedClock::ScopedClock(std::shared_ptr<const Clock> clock) : previous_(Swap(std::move(clock))) {}

ScopedClock::~ScopedClock() { Swap(std::move(previous_)); }

}  // namespace platform::ui
