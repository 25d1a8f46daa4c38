#pragma once
// Resource identifiers of the shapefile loading dialog and file selector.

#include "controls/FileListDlg.h"

inline constexpr UINT IDD_LOADING_SHAPE = 12060;
inline constexpr int IDC_SHAPE_COPIED_TEXT = 32241;
inline constexpr int IDC_SHAPE_PROGRESS = 12061;

inline constexpr UINT IDD_SHAPE_FILE_SELECTOR = 12015;
inline constexpr int IDC_SHAPE_FILE_LIST = IDC_FILE_LIST;
inline constexpr int IDC_SHAPE_SELECT_FILE = 12096;
inline constexpr int IDC_SHAPE_DELETE_FILE = 7277;
