#pragma once
// Registration names of the module's window messages. Each source file that
// uses a message registers it into a static of its own; the registry gives
// every file the same number for the same name. Two GUIDs are lower case and
// must stay so: the names are shared with the host character for character.

#include <array>
#include <string_view>

namespace messages {

inline constexpr std::string_view kEndThread = "UM_END_THREAD-{2F9560E7-C2F9-4915-A58F-6DA582114CFE}";
inline constexpr std::string_view kShapeThread = "UM_SHAPE_THREAD-{818769EA-707B-473E-A385-13648520391D}";
inline constexpr std::string_view kRedrawChart = "UM_REDRAW_CHART-{B4AB50B7-71FA-49B5-9AED-9542935FE08C}";
inline constexpr std::string_view kListValidate = "UM_LIST_VALIDATE-{6C311578-E643-42A6-84F5-4E453E27A11C}";
inline constexpr std::string_view kListSetItems = "UM_LIST_SET_ITEMS-{DFD60003-CA7F-4702-B4EC-26E3A9B87C75}";
inline constexpr std::string_view kListImageList = "UM_LIST_IMAGE_LIST-{7F2CA28D-1A45-4ECC-878A-15E64D3C92B9}";
inline constexpr std::string_view kListStartEdit = "UM_LIST_START_EDIT-{B151B0C2-F50D-45B6-A9D2-D394C0B04B07}";
inline constexpr std::string_view kListButtonPress = "UM_LIST_BUTTON_PRESS-{9D0A06D6-A65D-4FFC-ACEF-101B0AC20CA4}";
inline constexpr std::string_view kButtonDown = "UM_BUTTON_DOWN-{20CAE8CB-D830-4603-B551-A96E86611928}";
inline constexpr std::string_view kRichEdit = "UM_RICH_EDIT-{6D4A2B37-EF4B-44F3-80AE-3DAF1FA8A3F8}";
inline constexpr std::string_view kEditAngle = "UM_EDIT_ANGLE-{7D2954D2-4F1F-437B-A949-7C671A7D9B0A}";
inline constexpr std::string_view kEditUpdate = "UM_EDIT_UPDATE-{152748D2-5AB3-468A-85C3-E383DF168347}";
inline constexpr std::string_view kEditBoxFocusData = "UM_EDITBOX_FOCUS_DATA-{67f4b673-533f-4e09-8003-365c753e8457}";
inline constexpr std::string_view kEditBoxKillFocusData =
    "UM_EDITBOX_KILL_FOCUS_DATA-{9db42070-6b61-4e40-861f-c7d57f74ec34}";

inline constexpr std::array kAll = {kEndThread,     kShapeThread,     kRedrawChart,     kListValidate,
                                    kListSetItems,  kListImageList,   kListStartEdit,   kListButtonPress,
                                    kButtonDown,    kRichEdit,        kEditAngle,       kEditUpdate,
                                    kEditBoxFocusData, kEditBoxKillFocusData};

}  // namespace messages
