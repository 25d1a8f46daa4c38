#pragma once
// Resource identifiers of the wreck loading and install dialogs.

#include "platform/ui/WinConstants.h"

inline constexpr UINT IDD_LOADING_WRECKS = 25700;
inline constexpr UINT IDD_WRECK_SPLASH = 25616;
inline constexpr UINT IDB_WRECK_PICTURE = 1003;

inline constexpr int IDC_LOADING_TEXT = 1002;
inline constexpr int IDC_PLEASE_WAIT = 1005;
inline constexpr int IDC_SPLASH_TITLE = 32246;
inline constexpr int IDC_SPLASH_NOTICE = 1282;
inline constexpr int IDC_WRECK_PICTURE = 1004;
inline constexpr int IDC_ACCEPT = 1;   // IDOK
inline constexpr int IDC_DECLINE = 2;  // IDCANCEL
