#pragma once
// Automation of modal dialogs and menus: how a test, or the command-line
// host, works a dialog that some function opened. A hook installed for the
// calling thread is called when a modal loop starts, on every idle turn of
// it, and when a popup menu is tracked; it gets a Driver for that dialog or
// menu, which finds controls by id, types, presses keys, clicks, chooses
// entries, reads what the dialog shows and ends it.
//
//   ScopedAutomation automation([&](Driver& d) {
//     if (d.Turn() != ModalTurn::Started) return;
//     d.Type(IDC_NAME, "Mary");
//     d.Click(IDC_FIND);
//     rows = d.Rows(IDC_RESULTS);
//     d.Click(IDOK);
//   });
//   WreckFinder(...);
//
// Input goes the way a user's does (Input.h). Hidden or missing controls
// raise AutomationError, since a user could not reach them either.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Input.h"
#include "platform/ui/WinConstants.h"

class CWnd;
class CDialog;
class CMenu;

namespace platform::ui {

enum class ModalTurn { Started, Idle, Menu };

struct AutomationError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct KeyStroke {
  UINT key = 0;        // the virtual key pressed
  char character = 0;  // the character it types, 0 for none
  Modifiers modifiers;
};

// The virtual key that types a printable character.
OVERLAYS_API UINT KeyOfCharacter(char c);
// The character a key types (Ctrl and a letter: its control character); 0
// for none.
OVERLAYS_API char CharacterOfKey(UINT key, Modifiers modifiers);

class OVERLAYS_API Driver {
 public:
  Driver(CDialog& dialog, ModalTurn turn) : dialog_(&dialog), turn_(turn) {}
  explicit Driver(CMenu& menu) : menu_(&menu), turn_(ModalTurn::Menu) {}

  ModalTurn Turn() const { return turn_; }
  bool IsMenu() const { return menu_ != nullptr; }
  CDialog& Dialog() const;
  UINT TemplateId() const;
  std::string Caption() const;

  // Controls by id, searched through the dialog and the pages inside it,
  // visible ones first.
  bool Has(int id) const;
  CWnd& Item(int id) const;
  template <class T>
  T& ItemAs(int id) const {
    auto* item = dynamic_cast<T*>(&Item(id));
    if (!item) throw AutomationError("control " + std::to_string(id) + " is not of the expected class");
    return *item;
  }

  // Acting.
  void Focus(int id);
  void Type(int id, std::string_view text);
  void Key(int id, UINT virtualKey, Modifiers modifiers = {});
  void KeyToFocus(UINT virtualKey, Modifiers modifiers = {});
  // A key as a sequence names it, to the window with the focus.
  void Strike(const KeyStroke& stroke);
  void Click(int id);
  // A click at a point of the control's client area (a character of an
  // edit field, say), with Shift or Ctrl held.
  void ClickAt(int id, CPoint point, Modifiers modifiers = {});
  void DoubleClick(int id);
  void RightClick(int id);
  void Press(int id);
  void Release(int id);
  void Hover(int id);
  void MoveAway();
  // Combo box, list box or tab control entry by its exact text, or by index.
  void Choose(int id, std::string_view entry);
  void ChooseIndex(int id, int index);
  // A double-click on a row of a list, list box or combo box.
  void DoubleClickRow(int id, int index);
  void SelectTab(int index);
  // In a file dialog (CFileDialog, save or open): types the path over the
  // offered name and presses Save or Open.
  void SaveAs(std::string_view path);
  void End(int result);

  // Reading.
  std::string Text(int id) const;
  std::vector<std::string> Rows(int id) const;
  int Selection(int id) const;
  bool IsChecked(int id) const;
  bool IsEnabled(int id) const;
  bool IsVisible(int id) const;
  int FocusId() const;

  // Menus.
  const CMenu& Menu() const;
  std::vector<std::string> MenuTexts() const;
  void ChooseMenuItem(UINT id);
  UINT ChosenMenuItem() const { return chosen_; }

 private:
  CWnd& Reachable(int id) const;
  void ChooseRow(int id, int index, bool doubleClick);
  void Mouse(CWnd& target, UINT message);
  void TypeAtFocus(int id, std::string_view text);

  CDialog* dialog_ = nullptr;
  CMenu* menu_ = nullptr;
  ModalTurn turn_;
  UINT chosen_ = 0;
};

class OVERLAYS_API Automation {
 public:
  using Hook = std::function<void(Driver&)>;
  static bool Installed();
  // Called by the modal loop.
  static void Turn(CDialog& dialog, ModalTurn turn);
  // Called by menu tracking; the chosen id, 0 when none.
  static UINT ChooseFromMenu(CMenu& menu);
  // The hook of the calling thread; returns the previous one.
  static Hook Install(Hook hook);
};

class ScopedAutomation {
 public:
  explicit ScopedAutomation(Automation::Hook hook) : previous_(Automation::Install(std::move(hook))) {}
  ~ScopedAutomation() { Automation::Install(std::move(previous_)); }
  ScopedAutomation(const ScopedAutomation&) = delete;
  ScopedAutomation& operator=(const ScopedAutomation&) = delete;

 private:
  Automation::Hook previous_;
};

}  // namespace platform::ui
