#pragma once
// A dialog with a report list and the list support library's Print and
// CSV File buttons bound to it, as the module's dialogs hold them, opened
// modeless so a test can fill the list and press the buttons; and a hook
// that answers the save-file dialog the buttons open.

#include <string>
#include <utility>
#include <vector>

#include "platform/companions/CsvListCtrlBtn.h"
#include "platform/companions/PrintListCtrlBtn.h"
#include "platform/ui/Automation.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ResourceChain.h"

namespace export_test {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

inline constexpr UINT kExportDialog = 9701;
inline constexpr int kList = 1001;
inline constexpr int kPrint = 24079;
inline constexpr int kCsv = 19516;
inline constexpr DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

inline constexpr DialogItemTemplate kExportItems[] = {
    {kList, ControlKind::ListView, "", {7, 7, 300, 120}, kTabStop | LVS_REPORT},
    {kPrint, ControlKind::Button, "Print", {7, 134, 50, 14}, kTabStop},
    {kCsv, ControlKind::Button, "CSV File", {61, 134, 50, 14}, kTabStop},
    {IDOK, ControlKind::Button, "OK", {257, 134, 50, 14}, kTabStop | BS_DEFPUSHBUTTON},
};
inline constexpr DialogTemplate kExportTemplate{kExportDialog, "Wrecks Found", {0, 0, 314, 155},
                                                WS_POPUP | WS_CAPTION | WS_SYSMENU, kExportItems};

struct Column {
  std::string heading;
  int width;
};

class ExportDialog : public CDialog {
 public:
  ExportDialog() : CDialog(kExportDialog) {
    module_.AddDialog(kExportTemplate);
    platform::ui::ResourceChain::Join(&module_);
  }
  ~ExportDialog() override {
    DestroyWindow();
    platform::ui::ResourceChain::Leave(&module_);
  }

  void Open(const std::vector<Column>& columns, const std::vector<std::vector<std::string>>& rows) {
    Create(kExportDialog);
    for (std::size_t c = 0; c < columns.size(); ++c)
      list.InsertColumn(static_cast<int>(c), columns[c].heading, LVCFMT_LEFT, columns[c].width);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      list.InsertItem(static_cast<int>(r), rows[r].at(0));
      for (std::size_t c = 1; c < rows[r].size(); ++c)
        list.SetItemText(static_cast<int>(r), static_cast<int>(c), rows[r][c]);
    }
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    csv.SetListCtrl(&list);
    print.SetListCtrl(&list);
    return TRUE;
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kList, list);
    DDX_Control(dx, kCsv, csv);
    DDX_Control(dx, kPrint, print);
  }
  // A user's click on one of the buttons.
  void Press(int button) { platform::ui::Driver(*this, platform::ui::ModalTurn::Idle).Click(button); }

  CListCtrl list;
  CCsvListCtrlBtn csv;
  CPrintListCtrlBtn print;

 private:
  platform::ui::ResourceModule module_{"export tests"};
};

// What the hook saw of the save-file dialogs it answered.
struct Asked {
  int times = 0;
  std::string caption;
  std::string offeredName;
  std::string error;  // the text of the error box, if one came
};

// Answers a save-file dialog with `path` (an empty path cancels it) and an
// overwrite prompt with Yes.
inline platform::ui::Automation::Hook SaveAs(std::string path, Asked& asked) {
  return [path = std::move(path), &asked](platform::ui::Driver& d) {
    if (d.Turn() != platform::ui::ModalTurn::Started) return;
    if (d.TemplateId() == platform::ui::kConfirmReplaceDialog) return d.Click(IDOK);
    if (dynamic_cast<CMessageBox*>(&d.Dialog())) {
      asked.error = d.Text(CMessageBox::kTextId);
      return d.Click(IDOK);
    }
    ++asked.times;
    asked.caption = d.Caption();
    asked.offeredName = d.Text(platform::ui::kFileNameField);
    if (path.empty()) return d.Click(IDCANCEL);
    d.SaveAs(path);
  };
}

}  // namespace export_test
