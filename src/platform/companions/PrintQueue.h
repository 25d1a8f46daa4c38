#pragma once
// The machine's print queue as the list printouts see it: the default
// printer, if one is configured, and handing a PDF document to it. The
// system's queue asks CUPS ("lpstat -d", "lp"); a test or a host installs
// its own for the calling thread.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "frame/Api.h"

namespace platform::companions {

struct PrintQueue {
  // The default printer's name, or none.
  std::function<std::optional<std::string>()> defaultPrinter;
  // Prints a PDF document under a job title on a printer; false with a
  // one-line reason when the queue refused it.
  std::function<bool(const std::string& printer, std::string_view pdf, std::string_view title, std::string& reason)>
      print;
};

OVERLAYS_API PrintQueue SystemPrintQueue();

// The queue installed for the calling thread; the system's by default.
OVERLAYS_API const PrintQueue& CurrentPrintQueue();

class OVERLAYS_API ScopedPrintQueue {
 public:
  explicit ScopedPrintQueue(PrintQueue queue);
  ~ScopedPrintQueue();
  ScopedPrintQueue(const ScopedPrintQueue&) = delete;
  ScopedPrintQueue& operator=(const ScopedPrintQueue&) = delete;

 private:
  PrintQueue previous_;
};

}  // namespace platform::companions
