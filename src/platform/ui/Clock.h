#pragma once
// The time the window system runs its timers on. The real clock follows the
// steady system clock; a fake clock moves only when a test (usually from the
// automation hook) advances it, so timer tests are exact and never sleep.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>

#include "frame/Api.h"

namespace platform::ui {

// Milliseconds since an arbitrary start.
using Millis = std::int64_t;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Millis Now() const = 0;
  // True when time passes by itself, so a loop may wait for a deadline.
  virtual bool Runs() const = 0;
};

class OVERLAYS_API SystemClock final : public Clock {
 public:
  Millis Now() const override;
  bool Runs() const override { return true; }
};

class FakeClock final : public Clock {
 public:
  explicit FakeClock(Millis start = 0) : now_(start) {}
  Millis Now() const override { return now_.load(); }
  bool Runs() const override { return false; }
  void Advance(Millis ms) { now_ += ms; }

 private:
  std::atomic<Millis> now_;
};

// The clock every message loop of the process uses.
OVERLAYS_API const Clock& CurrentClock();

// Installs a clock for its lifetime (tests), restoring the previous one.
class OVERLAYS_API ScopedClock {
 public:
  explicit ScopedClock(std::shared_ptr<const Clock> clock);
  ~ScopedClock();
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;

 private:
  std::shared_ptr<const Clock> previous_;
};

}  // namespace platform::ui
