#pragma once
// CCsvListCtrlBtn: the "CSV File" button of the list support library.
// Pressed, it asks for a file name with the save-file dialog and writes the
// bound list there as UTF-8 comma-separated values (ListCsv), replacing the
// file as a whole or leaving it untouched.

#include "frame/Api.h"
#include "platform/companions/ListCtrlBtn.h"

class OVERLAYS_API CCsvListCtrlBtn : public CListCtrlBtn {
 protected:
  void Export(const platform::companions::ListTable& table) override;
};
