#pragma once
// Key sequences as a person writes them down: "12{BS}{SHIFT+LEFT}{CTRL+C}".
// Printable characters stand for themselves; names in braces stand for
// keys: {BS} {DEL} {INS} {TAB} {ENTER} {ESC} {LEFT} {RIGHT} {HOME} {END},
// each of them optionally held with SHIFT+ or CTRL+, CTRL+ and a letter
// ({CTRL+C}), and {SELALL}, Home and then Shift+End. Tests and the
// command-line host type into fields with them.

#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Automation.h"

namespace platform::ui {

// One entry of a sequence as written ("7", "{BS}") and the strokes it is.
struct KeyInput {
  std::string name;
  std::vector<KeyStroke> strokes;
};

// The keys of a sequence; AutomationError names the first entry that is
// not a key (an unknown name, a brace left open, a character no key types).
OVERLAYS_API std::vector<KeyInput> ParseKeys(std::string_view text);

}  // namespace platform::ui
