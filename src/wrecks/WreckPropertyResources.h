#pragma once
// Resource identifiers of the four pages of the wreck property sheet. The
// pages are separate templates, so the same number may name a different
// control on another page (1011 is the latitude on General and the scour
// on Survey).

#include "platform/ui/WinConstants.h"

inline constexpr UINT IDD_WRECK_GENERAL = 17000;
inline constexpr UINT IDD_WRECK_HISTORY = 17005;
inline constexpr UINT IDD_WRECK_SURVEY = 17006;
inline constexpr UINT IDD_WRECK_CHARTING = 17007;

// General.
inline constexpr int IDC_GENERAL_NAME = 32155;
inline constexpr int IDC_GENERAL_FLAG = 1072;
inline constexpr int IDC_GENERAL_FLAG_ICON = 1015;
inline constexpr int IDC_GENERAL_TYPE = 1013;
inline constexpr int IDC_GENERAL_CARGO = 1030;
inline constexpr int IDC_GENERAL_TONNAGE = 1048;
inline constexpr int IDC_GENERAL_DEPTH = 1006;
inline constexpr int IDC_GENERAL_SEABED = 32289;
inline constexpr int IDC_GENERAL_LATITUDE = 1011;
inline constexpr int IDC_GENERAL_LONGITUDE = 1012;
inline constexpr int IDC_GENERAL_EASTING_LABEL = 7403;
inline constexpr int IDC_GENERAL_EASTING = 1018;
inline constexpr int IDC_GENERAL_NORTHING_LABEL = 7404;
inline constexpr int IDC_GENERAL_NORTHING = 1019;
inline constexpr int IDC_GENERAL_ELLIPSOID = 7401;
inline constexpr int IDC_GENERAL_GRID = 7402;
inline constexpr int IDC_GENERAL_METHOD = 1016;
inline constexpr int IDC_GENERAL_STATUS = 32288;
inline constexpr int IDC_GENERAL_STATUS_ICON = 1014;
inline constexpr int IDC_GENERAL_CATEGORY = 1003;
inline constexpr int IDC_GENERAL_DIMENSIONS = 1005;
inline constexpr int IDC_GENERAL_DEBRIS = 1066;
inline constexpr int IDC_GENERAL_COMMENT = 1069;

// Survey.
inline constexpr int IDC_SURVEY_SONAR = 1009;
inline constexpr int IDC_SURVEY_SOURCE = 1010;
inline constexpr int IDC_SURVEY_SCOUR = 1011;
inline constexpr int IDC_SURVEY_ORIGINAL_SENSOR = 1012;
inline constexpr int IDC_SURVEY_LAST_SENSOR = 1013;
inline constexpr int IDC_SURVEY_ORIGINAL_DATE = 1014;
inline constexpr int IDC_SURVEY_LAST_DATE = 1015;
inline constexpr int IDC_SURVEY_TEXT = 1058;

// History.
inline constexpr int IDC_HISTORY_SUNK = 1042;
inline constexpr int IDC_HISTORY_AMENDED = 1043;
inline constexpr int IDC_HISTORY_REPORTED = 1063;
inline constexpr int IDC_HISTORY_TEXT = 1066;

// Charting.
inline constexpr int IDC_CHARTING_SYMBOL = 1068;
