#pragma once
// The window toolkit the module's dialogs and controls are written
// against, in one include.

#include "platform/ui/Bitmap.h"
#include "platform/ui/Brush.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ComboBoxEx.h"
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Font.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/HeaderCtrl.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/PropertyPage.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/Static.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/ToolTipCtrl.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

// Registered message numbers in the form the module keeps them.
inline UINT RegisterWindowMessage(std::string_view name) { return platform::ui::RegisterWindowMessage(name); }
