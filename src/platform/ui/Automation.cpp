#include "platform/ui/Automation.h"

#include <cctype>
#include <utility>

#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageQueue.h"

namespace platform::ui {
namespace {

struct ThreadAutomation {
  Automation::Hook hook;
};

ThreadAutomation& Own() {
  thread_local ThreadAutomation automation;
  return automation;
}

// Depth first through the window tree; with `visibleOnly`, hidden windows
// and everything inside them are skipped.
CWnd* FindIn(const CWnd& parent, int id, bool visibleOnly) {
  for (CWnd* child : parent.Children()) {
    if (visibleOnly && !(child->GetStyle() & WS_VISIBLE)) continue;
    if (child->GetDlgCtrlID() == id && child->IsControl()) return child;
    if (CWnd* inner = FindIn(*child, id, visibleOnly)) return inner;
  }
  return nullptr;
}

std::string Describe(int id) { return "control " + std::to_string(id); }

}  // namespace

// The key-down that precedes a typed character.
UINT KeyOfCharacter(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (std::isalnum(u)) return static_cast<UINT>(std::toupper(u));
  if (c == ' ') return VK_SPACE;
  if (c == '.') return 0xBE;
  if (c == ',') return 0xBC;
  if (c == '-') return 0xBD;
  if (c == '+') return 0xBB;
  return 0xBA;
}

char CharacterOfKey(UINT key, Modifiers modifiers) {
  if (modifiers.control && key >= 'A' && key <= 'Z') return static_cast<char>(key - 'A' + 1);
  switch (key) {
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_SPACE: return ' ';
    default: return 0;
  }
}

bool Automation::Installed() { return static_cast<bool>(Own().hook); }

Automation::Hook Automation::Install(Hook hook) {
  Hook previous = std::move(Own().hook);
  Own().hook = std::move(hook);
  return previous;
}

void Automation::Turn(CDialog& dialog, ModalTurn turn) {
  // Copied: the hook may install another for a nested dialog.
  if (Hook hook = Own().hook) {
    Driver driver(dialog, turn);
    hook(driver);
  }
}

UINT Automation::ChooseFromMenu(CMenu& menu) {
  Hook hook = Own().hook;
  if (!hook) return 0;
  Driver driver(menu);
  hook(driver);
  return driver.ChosenMenuItem();
}

CDialog& Driver::Dialog() const {
  if (!dialog_) throw AutomationError("a menu turn has no dialog");
  return *dialog_;
}

UINT Driver::TemplateId() const { return dialog_ ? dialog_->TemplateId() : 0; }

std::string Driver::Caption() const { return dialog_ ? dialog_->GetWindowText() : std::string(); }

bool Driver::Has(int id) const { return dialog_ && FindIn(*dialog_, id, false); }

CWnd& Driver::Item(int id) const {
  CWnd* item = FindIn(Dialog(), id, true);
  if (!item) item = FindIn(Dialog(), id, false);
  if (!item) throw AutomationError("no " + Describe(id) + " in dialog \"" + Caption() + "\"");
  return *item;
}

CWnd& Driver::Reachable(int id) const {
  CWnd& item = Item(id);
  if (!item.IsWindowVisible()) throw AutomationError(Describe(id) + " is hidden");
  return item;
}

void Driver::Mouse(CWnd& target, UINT message) {
  CRect client;
  target.GetClientRect(&client);
  DeliverInput(target, message, 0, client.CenterPoint().ToLParam());
}

void Driver::Hover(int id) {
  CWnd& target = Reachable(id);
  CRect client;
  target.GetClientRect(&client);
  DeliverMouseMove(&target, client.CenterPoint());
}

void Driver::MoveAway() { DeliverMouseMove(nullptr, {}); }

void Driver::Press(int id) {
  Hover(id);
  Mouse(Reachable(id), WM_LBUTTONDOWN);
}

void Driver::Release(int id) { Mouse(Reachable(id), WM_LBUTTONUP); }

void Driver::Click(int id) {
  Press(id);
  Release(id);
}

void Driver::ClickAt(int id, CPoint point, Modifiers modifiers) {
  Hover(id);
  SetModifierKeys(modifiers.shift, modifiers.control);
  const WPARAM keys = (modifiers.shift ? MK_SHIFT : 0) | (modifiers.control ? MK_CONTROL : 0);
  DeliverInput(Reachable(id), WM_LBUTTONDOWN, keys | MK_LBUTTON, point.ToLParam());
  DeliverInput(Reachable(id), WM_LBUTTONUP, keys, point.ToLParam());
  SetModifierKeys(false, false);
}

void Driver::DoubleClick(int id) {
  Click(id);
  Mouse(Reachable(id), WM_LBUTTONDBLCLK);
  Release(id);
}

void Driver::RightClick(int id) {
  Hover(id);
  Mouse(Reachable(id), WM_RBUTTONDOWN);
  Mouse(Reachable(id), WM_RBUTTONUP);
}

void Driver::Focus(int id) {
  MessageQueue::NoteActivity();
  CWnd& target = Reachable(id);
  if (target.IsWindowEnabled()) target.SetFocus();
}

void Driver::Type(int id, std::string_view text) {
  Focus(id);
  TypeAtFocus(id, text);
}

void Driver::TypeAtFocus(int id, std::string_view text) {
  for (char c : text) {
    CWnd* focus = CWnd::GetFocus();
    DeliverKeyStroke(focus ? *focus : Reachable(id), KeyOfCharacter(c), c, {});
  }
}

void Driver::Key(int id, UINT virtualKey, Modifiers modifiers) {
  Focus(id);
  KeyToFocus(virtualKey, modifiers);
}

void Driver::KeyToFocus(UINT virtualKey, Modifiers modifiers) {
  CWnd* focus = CWnd::GetFocus();
  CWnd& target = focus ? *focus : Dialog();
  DeliverKeyStroke(target, virtualKey, CharacterOfKey(virtualKey, modifiers), modifiers);
}

void Driver::Strike(const KeyStroke& stroke) {
  CWnd* focus = CWnd::GetFocus();
  DeliverKeyStroke(focus ? *focus : Dialog(), stroke.key, stroke.character, stroke.modifiers);
}

void Driver::Choose(int id, std::string_view entry) {
  const std::vector<std::string> rows = Rows(id);
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i] == entry) return ChooseIndex(id, static_cast<int>(i));
  throw AutomationError(Describe(id) + " has no entry \"" + std::string(entry) + "\"");
}

void Driver::ChooseRow(int id, int index, bool doubleClick) {
  MessageQueue::NoteActivity();
  CWnd& target = Reachable(id);
  if (!target.IsWindowEnabled()) return;
  if (!target.ChooseRowByUser(index, doubleClick))
    throw AutomationError(Describe(id) + " has no entry " + std::to_string(index));
}

void Driver::ChooseIndex(int id, int index) { ChooseRow(id, index, false); }

void Driver::DoubleClickRow(int id, int index) { ChooseRow(id, index, true); }

void Driver::SelectTab(int index) { ChooseIndex(AFX_IDC_TAB_CONTROL, index); }

void Driver::SaveAs(std::string_view path) {
  Focus(kFileNameField);
  Reachable(kFileNameField).SendMessage(EM_SETSEL, 0, -1);
  TypeAtFocus(kFileNameField, path);
  Click(IDOK);
}

void Driver::End(int result) {
  MessageQueue::NoteActivity();
  Dialog().EndDialog(result);
}

std::string Driver::Text(int id) const { return Item(id).GetWindowText(); }

std::vector<std::string> Driver::Rows(int id) const { return Item(id).AccessibleRows(); }

int Driver::Selection(int id) const { return Item(id).AccessibleSelection(); }

bool Driver::IsChecked(int id) const {
  auto* button = dynamic_cast<CButton*>(&Item(id));
  return button && button->GetCheck() == BST_CHECKED;
}

bool Driver::IsEnabled(int id) const { return Item(id).IsWindowEnabled(); }

bool Driver::IsVisible(int id) const { return Item(id).IsWindowVisible(); }

int Driver::FocusId() const {
  CWnd* focus = CWnd::GetFocus();
  return focus ? focus->GetDlgCtrlID() : 0;
}

const CMenu& Driver::Menu() const {
  if (!menu_) throw AutomationError("a dialog turn has no menu");
  return *menu_;
}

std::vector<std::string> Driver::MenuTexts() const {
  std::vector<std::string> texts;
  for (const MenuItem& item : Menu().Items()) texts.push_back(item.text);
  return texts;
}

void Driver::ChooseMenuItem(UINT id) {
  if (Menu().GetMenuState(id, MF_BYCOMMAND) == static_cast<UINT>(-1))
    throw AutomationError("the menu has no item " + std::to_string(id));
  chosen_ = id;
}

}  // namespace platform::ui
