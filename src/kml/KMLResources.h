#pragma once
// Resource identifiers of the KML file selector.

#include "platform/ui/WinConstants.h"

inline constexpr UINT IDD_KML_FILE_SELECTOR = 25800;

inline constexpr int IDC_KML_FILE_LIST = 32135;
inline constexpr int IDC_KML_SELECT_FILE = 7447;
inline constexpr int IDC_KML_DELETE_FILE = 7448;

// Items of the list's context menu (the title is the popup menu's own).
inline constexpr UINT ID_KML_ADD_FILE = 100;
inline constexpr UINT ID_KML_REMOVE_FILES = 200;
