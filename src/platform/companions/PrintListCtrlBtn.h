#pragma once
// CPrintListCtrlBtn: the "Print" button of the list support library.
// Pressed, it renders the bound list as a PDF printout (ListPdf) titled
// with the dialog's caption and sends it to the default printer of the
// print queue; with no default printer it asks for a file name with the
// save-file dialog and saves the printout there instead.

#include "frame/Api.h"
#include "platform/companions/ListCtrlBtn.h"

class OVERLAYS_API CPrintListCtrlBtn : public CListCtrlBtn {
 protected:
  void Export(const platform::companions::ListTable& table) override;
};
