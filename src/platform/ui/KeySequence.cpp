#include "platform/ui/KeySequence.h"

#include <cctype>

namespace platform::ui {
namespace {

struct NamedKey {
  std::string_view name;
  UINT key;
  char character;
};

constexpr NamedKey kNamedKeys[] = {
    {"BS", VK_BACK, '\b'},     {"DEL", VK_DELETE, 0},  {"INS", VK_INSERT, 0}, {"TAB", VK_TAB, '\t'},
    {"ENTER", VK_RETURN, '\r'}, {"ESC", VK_ESCAPE, 0x1B}, {"LEFT", VK_LEFT, 0}, {"RIGHT", VK_RIGHT, 0},
    {"HOME", VK_HOME, 0},      {"END", VK_END, 0},
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
    stroke.character = stroke.modifiers.control ? 0 : named.character;
    return stroke;
  }
  if (stroke.modifiers.control && name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
    stroke.key = static_cast<UINT>(name[0]);
    stroke.character = static_cast<char>(name[0] - 'A' + 1);
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
