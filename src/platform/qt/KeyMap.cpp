#include "platform/qt/KeyMap.h"

#include <QKeyEvent>

#include "platform/qt/AnsiText.h"
#include "platform/ui/Automation.h"

namespace platform::qt {
namespace {

struct KeyPair {
  int qtKey;
  UINT virtualKey;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_End, VK_END},       {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},      {Qt::Key_Up, VK_UP},         {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},      {Qt::Key_Insert, VK_INSERT}, {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_F1, VK_F1},
};

// Letters and digits have the same codes in both.
bool IsLetterOrDigit(int key) { return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9); }

// The one Windows-1252 byte a printable key types, or 0.
char PrintableCharacter(const QKeyEvent& event) {
  const std::string typed = ToAnsi(event.text());
  if (typed.size() != 1 || static_cast<unsigned char>(typed[0]) < 0x20 || typed[0] == 0x7F) return 0;
  return typed[0];
}

}  // namespace

WindowKey WindowKeyOf(const QKeyEvent& event) {
  WindowKey key;
  key.modifiers.shift = (event.modifiers() & Qt::ShiftModifier) != 0 || event.key() == Qt::Key_Backtab;
  key.modifiers.control = (event.modifiers() & Qt::ControlModifier) != 0;
  for (const KeyPair& pair : kKeys)
    if (pair.qtKey == event.key()) key.virtualKey = pair.virtualKey;
  if (!key.virtualKey && IsLetterOrDigit(event.key())) key.virtualKey = static_cast<UINT>(event.key());
  const char printable = key.modifiers.control ? 0 : PrintableCharacter(event);
  if (!key.virtualKey && printable) key.virtualKey = platform::ui::KeyOfCharacter(printable);
  if (!key.virtualKey) return key;
  key.character = printable ? printable : platform::ui::CharacterOfKey(key.virtualKey, key.modifiers);
  return key;
}

}  // namespace platform::qt
