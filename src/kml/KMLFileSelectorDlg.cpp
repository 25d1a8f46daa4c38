#include "kml/KMLFileSelectorDlg.h"

#include <string>

#include "frame/Exports.h"
#include "frame/PathText.h"
#include "kml/KMLResources.h"

namespace {

constexpr const char* kColumns[] = {"File Name", "Points", "Lines", "Polygons"};

constexpr FileListDlgDef kSelector{IDD_KML_FILE_SELECTOR,
                                   IDC_KML_DELETE_FILE,
                                   "KML Files",
                                   "*.kmz",
                                   "KMZ Zip Files (*.kmz)|*.kmz| KML Files (*.kml)|*.kml||",
                                   false};

}  // namespace

CKMLFileSelectorDlg::CKMLFileSelectorDlg(CKMLFileList& files, CWnd* parent)
    : CFileListDlg(kSelector, parent), files_(files) {}

std::span<const char* const> CKMLFileSelectorDlg::Columns() const { return kColumns; }

void CKMLFileSelectorDlg::InsertRows() {
  for (std::size_t i = 0; i < files_.GetCount(); ++i) {
    const CKML& kml = files_.GetAt(i);
    const int row = list_.InsertItem(static_cast<int>(i), GetPathTitle(kml.GetPath()));
    list_.SetItemText(row, 1, CountText(kml.Points().size()));
    list_.SetItemText(row, 2, CountText(kml.Lines().size()));
    list_.SetItemText(row, 3, CountText(kml.Polygons().size()));
  }
}

const MessageMap& CKMLFileSelectorDlg::GetMessageMap() const {
  using H = Handlers<CKMLFileSelectorDlg>;
  static const MessageMap map(&CFileListDlg::GetMessageMap(),
                              {
                                  H::Command(IDC_KML_SELECT_FILE, &CKMLFileSelectorDlg::OnSelectFile),
                                  H::Command(IDC_KML_DELETE_FILE, &CKMLFileSelectorDlg::OnDeleteFile),
                              });
  return map;
}

bool KMLLoad(CKMLFileList* files) {
  if (!files) return false;
  CKMLFileSelectorDlg dialog(*files);
  return dialog.DoModal() == IDOK;
}
