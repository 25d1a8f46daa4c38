#pragma once
// The process clipboard, holding text (Windows-1252). Thread-safe.

#include <optional>
#include <string>
#include <string_view>

#include "frame/Api.h"

namespace platform::ui {

class OVERLAYS_API Clipboard {
 public:
  static void SetText(std::string_view text);
  // Nothing when the clipboard holds no text.
  static std::optional<std::string> GetText();
  static void Empty();
};

}  // namespace platform::ui
