#pragma once
// Resource identifiers of the KML file selector.

#include "controls/FileListDlg.h"

inline constexpr UINT IDD_KML_FILE_SELECTOR = 25800;

inline constexpr int IDC_KML_FILE_LIST = IDC_FILE_LIST;
inline constexpr int IDC_KML_SELECT_FILE = 7447;
inline constexpr int IDC_KML_DELETE_FILE = 7448;

inline constexpr UINT ID_KML_ADD_FILE = ID_FILE_LIST_ADD;
inline constexpr UINT ID_KML_REMOVE_FILES = ID_FILE_LIST_REMOVE;
