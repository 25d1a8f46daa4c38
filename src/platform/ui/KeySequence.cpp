#include "platform/ui/KeySequence.h"

#include <cctype>

namespace platform::ui {
namespace {

struct NamedKey {
  std::string_view name;
  UINT key;
};

constexpr NamedKey kNamedKeys[] = {
    {"BS", VK_BACK},     {"DEL", VK_DELETE}, {"INS", VK_INSERT},  {"TAB", VK_TAB},   {"ENTER", VK_RETURN},
    {"ESC", VK_ESCAPE},  {"LEFT", VK_LEFT},  {"RIGHT", VK_RIGHT}, {"HOME", VK_HOME}, {"END", VK_END},
};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// "CTRL+C" with the modifiers taken off the front.
KeyStroke Named(std::string_view name, const std::string& written) {
  KeyStroke stroke;
  for (;;) {
    if (name.starts_with("SHIFT+")) {
      stroke.modifiers.shift = true;
      name.remove_prefix(6);
    } else if (name.starts_with("CTRL+")) {
      stroke.modifiers.control = true;
      name.remove_prefix(5);
    } else {
      break;
    }
  }
  for (const NamedKey& named : kNamedKeys) {
    if (name != named.name) continue;
    stroke.key = named.key;
    // Held keys type no character but Ctrl and a letter does.
    stroke.character = stroke.modifiers.control ? 0 : CharacterOfKey(named.key, {});
    return stroke;
  }
  if (stroke.modifiers.control && name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
    stroke.key = static_cast<UINT>(name[0]);
    stroke.character = CharacterOfKey(stroke.key, stroke.modifiers);
    return stroke;
  }
  throw AutomationError("not a key: " + written);
}

KeyInput Braced(std::string_view name) {
  const std::string written = "{" + std::string(name) + "}";
  const std::string upper = Upper(name);
  if (upper == "SELALL") return {written, {{VK_HOME, 0, {}}, {VK_END, 0, {true, false}}}};
  return {written, {Named(upper, written)}};
}

KeyInput Printable(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u < 0x20 || u == 0x7F) throw AutomationError("not a key: character " + std::to_string(u));
  return {std::string(1, c), {{KeyOfCharacter(c), c, {}}}};
}

}  // namespace

std::vector<KeyInput> ParseKeys(std::string_view text) {
  std::vector<KeyInput> keys;
  while (!text.empty()) {
    if (text.front() != '{') {
      keys.push_back(Printable(text.front()));
      text.remove_prefix(1);
      continue;
    }
    const std::size_t close = text.find('}');
    if (close == std::string_view::npos) throw AutomationError("a key name is not closed: " + std::string(text));
    keys.push_back(Braced(text.substr(1, close - 1)));
    text.remove_prefix(close + 1);
  }
  return keys;
}

}  // namespace platform::ui
