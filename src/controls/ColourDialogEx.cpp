#include "controls/ColourDialogEx.h"

CColourDialogEx::CColourDialogEx(UINT templateId, CWnd* parent) : WithDarkLook(templateId, parent) {}
