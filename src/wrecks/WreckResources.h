#pragma once
// Resource identifiers of the wreck loading, install and search dialogs.

#include "platform/ui/WinConstants.h"

inline constexpr UINT IDD_LOADING_WRECKS = 25700;
inline constexpr UINT IDD_WRECK_SPLASH = 25616;
inline constexpr UINT IDB_WRECK_PICTURE = 1003;
inline constexpr UINT IDD_WRECK_FIND = 22122;

inline constexpr int IDC_LOADING_TEXT = 1002;
inline constexpr int IDC_PLEASE_WAIT = 1005;
inline constexpr int IDC_SPLASH_TITLE = 32246;
inline constexpr int IDC_SPLASH_NOTICE = 1282;
inline constexpr int IDC_WRECK_PICTURE = 1004;
inline constexpr int IDC_ACCEPT = 1;   // IDOK
inline constexpr int IDC_DECLINE = 2;  // IDCANCEL

// The wreck search.
inline constexpr int IDC_LOCATION_GROUP = 7388;
inline constexpr int IDC_PLACE = 7249;
inline constexpr int IDC_CENTRE_LATITUDE = 7250;
inline constexpr int IDC_CENTRE_LONGITUDE = 7252;
inline constexpr int IDC_CENTRE_EASTING = 7261;
inline constexpr int IDC_CENTRE_NORTHING = 7262;
inline constexpr int IDC_EASTING_LABEL = 7263;
inline constexpr int IDC_NORTHING_LABEL = 7264;
inline constexpr int IDC_RADIUS = 7256;
inline constexpr int IDC_FIND_LOCATION = 7255;
inline constexpr int IDC_NAME_GROUP = 7389;
inline constexpr int IDC_SEARCH_NAME = 7251;
inline constexpr int IDC_FIND_NAME = 1015;
inline constexpr int IDC_YEAR_GROUP = 7390;
inline constexpr int IDC_FIRST_YEAR = 7253;
inline constexpr int IDC_LAST_YEAR = 7254;
inline constexpr int IDC_FIND_YEARS = 1014;
inline constexpr int IDC_RESULTS = 32135;
inline constexpr int IDC_PRINT_RESULTS = 24079;
inline constexpr int IDC_CSV_RESULTS = 19516;
inline constexpr int IDC_SEARCH_PROGRESS = 1019;
inline constexpr int IDC_SHOW_WRECKS = 7257;
inline constexpr int IDC_WRECK_COUNT = 7258;
inline constexpr int IDC_SHOW_OBSTRUCTIONS = 7259;
inline constexpr int IDC_OBSTRUCTION_COUNT = 7260;
