#pragma once
// ErrorMessage (message library): shows text in a modal error box. The
// style holds MB_ bits (buttons, icon, default button); the caption is
// "Error". The id of the button that answered it (see CMessageBox).

#include <string>

#include "frame/Api.h"
#include "platform/ui/WinTypes.h"

class CWnd;

OVERLAYS_API int ErrorMessage(const std::string& text, CWnd* parent, UINT style);
