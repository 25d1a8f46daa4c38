#pragma once
// Resource identifiers of the sea areas setup dialog.

#include "platform/ui/WinConstants.h"

inline constexpr UINT IDD_SEA_AREAS_SETUP = 1104;

inline constexpr int IDC_SEA_AREAS_DISPLAY = 1000;
inline constexpr int IDC_SEA_AREAS_LABEL = 1001;
inline constexpr int IDC_SEA_AREAS_COLOUR = 1005;
inline constexpr int IDC_SEA_AREAS_HIGHLIGHT = 1021;
inline constexpr int IDC_SEA_AREAS_ACTIVE_COLOUR = 1007;
