#include "kml/KMLFileSelectorDlg.h"

#include <string>
#include <vector>

#include "controls/PopupMenu.h"
#include "frame/Exports.h"
#include "frame/PathText.h"
#include "kml/KMLResources.h"
#include "platform/ui/FileDialog.h"

namespace {

constexpr char kKmzFilter[] = "KMZ Zip Files (*.kmz)|*.kmz| KML Files (*.kml)|*.kml||";
constexpr const char* kColumns[] = {"File Name", "Points", "Lines", "Polygons"};

// A count as the list shows it: empty for none.
std::string CountText(std::size_t count) { return count ? std::to_string(count) : std::string(); }

}  // namespace

CKMLFileSelectorDlg::CKMLFileSelectorDlg(CKMLFileList& files, CWnd* parent)
    : CColourDialogEx(IDD_KML_FILE_SELECTOR, parent), files_(files) {}

BOOL CKMLFileSelectorDlg::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  list_.SubclassDlgItem(IDC_KML_FILE_LIST, this);
  list_.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (const char* heading : kColumns) list_.AddColumn(heading);
  FillList();
  return TRUE;
}

void CKMLFileSelectorDlg::FillList() {
  list_.DeleteAllItems();
  for (std::size_t i = 0; i < files_.GetCount(); ++i) {
    const CKML& kml = files_.GetAt(i);
    const int row = list_.InsertItem(static_cast<int>(i), GetPathTitle(kml.GetPath()));
    list_.SetItemText(row, 1, CountText(kml.Points().size()));
    list_.SetItemText(row, 2, CountText(kml.Lines().size()));
    list_.SetItemText(row, 3, CountText(kml.Polygons().size()));
  }
  list_.AutoSizeColumns();
  ShowDeleteButton();
}

void CKMLFileSelectorDlg::ShowDeleteButton() {
  if (CWnd* button = GetDlgItem(IDC_KML_DELETE_FILE))
    button->ShowWindow(list_.GetSelectedCount() > 0 ? SW_SHOW : SW_HIDE);
}

// The list itself refuses an archive already loaded (paths compared
// ignoring case) or one that reads nothing.
void CKMLFileSelectorDlg::AddFile() {
  CFileDialog dialog(FileDialogMode::Open, "*.kmz", "", OFN_HIDEREADONLY, kKmzFilter, this);
  if (dialog.DoModal() != IDOK) return;
  files_.Add(dialog.GetPathName());
  files_.names.Save();
  FillList();
}

// Highest row first, so the rows still to go keep their indexes.
void CKMLFileSelectorDlg::RemoveSelectedFiles() {
  std::vector<int> rows;
  for (int row = list_.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = list_.GetNextItem(row, LVNI_SELECTED))
    rows.insert(rows.begin(), row);
  for (int row : rows) {
    list_.DeleteItem(row);
    files_.RemoveAt(static_cast<std::size_t>(row));
  }
  FillList();
}

void CKMLFileSelectorDlg::ShowContextMenu() {
  if (list_.GetItemCount() == 0) return;
  CPopupMenu menu;
  menu.CreatePopupMenu();
  menu.AddTitle("KML Files");
  menu.AddItem(ID_KML_ADD_FILE, "Add File");
  const UINT selected = list_.GetSelectedCount();
  if (selected > 0) menu.AddItem(ID_KML_REMOVE_FILES, selected == 1 ? "Remove File" : "Remove Selected Filess");
  CRect rect;
  list_.GetWindowRect(&rect);
  switch (static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, rect.left,
                                                rect.top, this))) {
    case ID_KML_ADD_FILE:
      AddFile();
      break;
    case ID_KML_REMOVE_FILES:
      RemoveSelectedFiles();
      break;
    default:
      break;
  }
}

// A double-click below the rows adds a file; one on a row does nothing.
void CKMLFileSelectorDlg::OnListDoubleClick(NMHDR* header, LRESULT*) {
  if (reinterpret_cast<NMLISTVIEW*>(header)->iItem < 0) AddFile();
}

void CKMLFileSelectorDlg::OnListKeyDown(NMHDR* header, LRESULT*) {
  if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_DELETE) RemoveSelectedFiles();
}

const MessageMap& CKMLFileSelectorDlg::GetMessageMap() const {
  using H = Handlers<CKMLFileSelectorDlg>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(),
                              {
                                  H::Command(IDC_KML_SELECT_FILE, &CKMLFileSelectorDlg::OnSelectFile),
                                  H::Command(IDC_KML_DELETE_FILE, &CKMLFileSelectorDlg::OnDeleteFile),
                                  H::Notify(NM_CLICK, IDC_KML_FILE_LIST, &CKMLFileSelectorDlg::OnListClick),
                                  H::Notify(NM_DBLCLK, IDC_KML_FILE_LIST, &CKMLFileSelectorDlg::OnListDoubleClick),
                                  H::Notify(NM_RCLICK, IDC_KML_FILE_LIST, &CKMLFileSelectorDlg::OnListRightClick),
                                  H::Notify(LVN_KEYDOWN, IDC_KML_FILE_LIST, &CKMLFileSelectorDlg::OnListKeyDown),
                              });
  return map;
}

bool KMLLoad(CKMLFileList* files) {
  if (!files) return false;
  CKMLFileSelectorDlg dialog(*files);
  return dialog.DoModal() == IDOK;
}
