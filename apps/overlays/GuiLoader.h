#pragma once
// overlays --gui: the command runs with the Qt backend of the window
// system, so that every dialog it opens is a real window. The host does
// not link Qt: liboverlays_qt is loaded when --gui asks for it.

#include <functional>
#include <string>
#include <vector>

namespace host {

// Takes every "--gui" out of the arguments (before a lone "--"); true when
// there was one.
bool TakeGuiFlag(std::vector<char*>& args);

// Runs `body` inside the Qt backend and returns its status. When the
// library cannot be loaded or no display is there, says so in one line on
// standard error and returns 1 without running it.
int RunWithGui(std::vector<char*>& args, const std::function<int()>& body);

// True while a command runs with its dialogs on screen: a command then
// leaves to the person what its options leave open.
bool DialogsOnScreen();

}  // namespace host
