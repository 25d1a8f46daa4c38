#include "controls/FileListDlg.h"

#include <vector>

#include "controls/PopupMenu.h"
#include "platform/ui/FileDialog.h"

std::string CountText(std::size_t count) { return count ? std::to_string(count) : std::string(); }

CFileListDlg::CFileListDlg(const FileListDlgDef& def, CWnd* parent)
    : CColourDialogEx(def.templateId, parent), def_(def) {}

BOOL CFileListDlg::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  list_.SubclassDlgItem(IDC_FILE_LIST, this);
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (const char* heading : Columns()) list_.AddColumn(heading);
  SetUpList();
  FillList();
  return TRUE;
}

void CFileListDlg::FillList() {
  list_.DeleteAllItems();
  InsertRows();
  list_.AutoSizeColumns();
  ShowDeleteButton();
}

void CFileListDlg::ShowDeleteButton() {
  if (CWnd* button = GetDlgItem(def_.deleteButton))
    button->ShowWindow(list_.GetSelectedCount() > 0 ? SW_SHOW : SW_HIDE);
}

void CFileListDlg::AddFile() {
  CFileDialog dialog(FileDialogMode::Open, def_.defaultExtension, "", OFN_HIDEREADONLY, def_.filter, this);
  if (dialog.DoModal() != IDOK) return;
  AddPath(dialog.GetPathName());
  SaveNames();
  FillList();
}

// Highest row first, so the rows still to go keep their indexes.
void CFileListDlg::RemoveSelectedFiles() {
  std::vector<int> rows;
  for (int row = list_.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = list_.GetNextItem(row, LVNI_SELECTED))
    rows.insert(rows.begin(), row);
  for (int row : rows) {
    list_.DeleteItem(row);
    RemoveFile(static_cast<std::size_t>(row));
  }
  SaveNames();
  FillList();
}

void CFileListDlg::ShowContextMenu() {
  const UINT selected = list_.GetSelectedCount();
  if (list_.GetItemCount() == 0 || (def_.menuNeedsSelection && selected == 0)) return;
  CPopupMenu menu;
  menu.CreatePopupMenu();
  menu.AddTitle(def_.menuTitle);
  menu.AddItem(ID_FILE_LIST_ADD, "Add File");
  if (selected > 0) menu.AddItem(ID_FILE_LIST_REMOVE, selected == 1 ? "Remove File" : "Remove Selected Filess");
  CRect rect;
  list_.GetWindowRect(&rect);
  switch (static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, rect.left,
                                                rect.top, this))) {
    case ID_FILE_LIST_ADD:
      AddFile();
      break;
    case ID_FILE_LIST_REMOVE:
      RemoveSelectedFiles();
      break;
    default:
      break;
  }
  ShowDeleteButton();
}

// A double-click below the rows adds a file; one on a row does nothing.
void CFileListDlg::OnListDoubleClick(NMHDR* header, LRESULT*) {
  if (reinterpret_cast<NMLISTVIEW*>(header)->iItem < 0) AddFile();
}

void CFileListDlg::OnListKeyDown(NMHDR* header, LRESULT*) {
  if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_DELETE) RemoveSelectedFiles();
}

const MessageMap& CFileListDlg::GetMessageMap() const {
  using H = Handlers<CFileListDlg>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(),
                              {
                                  H::Notify(NM_CLICK, IDC_FILE_LIST, &CFileListDlg::OnListClick),
                                  H::Notify(NM_DBLCLK, IDC_FILE_LIST, &CFileListDlg::OnListDoubleClick),
                                  H::Notify(NM_RCLICK, IDC_FILE_LIST, &CFileListDlg::OnListRightClick),
                                  H::Notify(LVN_KEYDOWN, IDC_FILE_LIST, &CFileListDlg::OnListKeyDown),
                              });
  return map;
}
