// Any bytes as a key sequence for the fields, and as keys typed into an
// angle field of any kind, format and decimals: the sequence either reads
// or is refused, and the field's text keeps its mask's shape with the
// caret inside it whatever is typed, cut or pasted.

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/AngleTyping.h"
#include "platform/ui/KeySequence.h"

namespace {

void CheckKeys(std::string_view text) {
  try {
    for (const auto& key : platform::ui::ParseKeys(text))
      if (key.strokes.empty()) __builtin_trap();
  } catch (const platform::ui::AutomationError&) {
  }
}

// The first three bytes choose the field; each later pair is a selection
// and a key.
void CheckTyping(std::string_view bytes) {
  if (bytes.size() < 3) return;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const char hemisphere = "NSEW"[byte(2) % 4];
  const AngleFieldLayout layout = AngleFieldLayoutFor(1 + byte(0) % 9, byte(1) % 5, byte(1) / 5 % 12, hemisphere);
  std::string text = layout.zero;
  const int length = static_cast<int>(text.size());
  for (std::size_t i = 3; i + 1 < bytes.size(); i += 2) {
    const int start = byte(i) % (length + 2) - 1;
    const int end = start + byte(i) / 32;
    const char key = bytes[i + 1];
    if (key == 0x16) {
      const std::string_view clipboard = bytes.substr(i);
      const auto pasted = PasteIntoAngleText(text, start, end, clipboard);
      if (pasted && pasted->size() > text.size() + clipboard.size()) __builtin_trap();
      continue;
    }
    if (key == 0x18) {
      text = ClearAngleSelection(layout, text, start, end);
      if (static_cast<int>(text.size()) != length) __builtin_trap();
      continue;
    }
    if (auto edit = TypeAngleCharacter(layout, text, start, end, key)) {
      if (edit->text.size() != layout.mask.size() || edit->caret < 0 || edit->caret > length) __builtin_trap();
      text = edit->text;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckKeys(bytes);
  CheckTyping(bytes);
  return 0;
}
