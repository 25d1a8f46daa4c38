#pragma once
// Resource identifiers of the wind farm dialogs and bitmaps.

#include "platform/ui/WinConstants.h"

inline constexpr UINT IDD_WIND_FARM_SETTINGS = 25703;
inline constexpr UINT IDD_WIND_FARM_TURBINES = 25702;
inline constexpr UINT IDD_WIND_FARM_BOUNDARY = 25705;
inline constexpr UINT IDD_FIND_WIND_FARM = 25704;
inline constexpr UINT IDD_WIND_FARM_SPLASH = 25603;

inline constexpr UINT IDB_TURBINE_IMAGES = 1000;
inline constexpr UINT IDB_WIND_FARM_PICTURE = 1034;

// The settings dialog: the boundary group, then the turbine group.
inline constexpr int IDC_DISPLAY_BOUNDARY = 7162;
inline constexpr int IDC_LABEL_WIND_FARM = 314;
inline constexpr int IDC_BOUNDARY_COLOUR = 170;
inline constexpr int IDC_DISPLAY_TURBINES = 7160;
inline constexpr int IDC_LABEL_TURBINES = 7161;
inline constexpr int IDC_TURBINE_COLOUR = 169;

// The turbine and corner tables, and the find dialog's list of names.
inline constexpr int IDC_WIND_FARM_LIST = 32135;
inline constexpr int IDC_TURBINE_REMARKS = 372;
inline constexpr int IDC_TURBINE_FARM_CHOICE = 1004;
inline constexpr int IDC_BOUNDARY_DESCRIPTION = 1005;
inline constexpr int IDC_BOUNDARY_FARM_CHOICE = 1007;

inline constexpr int IDC_WIND_FARM_PICTURE = 1008;
