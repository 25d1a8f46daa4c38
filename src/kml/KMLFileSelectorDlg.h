#pragma once
// The KML file selector: the host's loaded KMZ overlays with their numbers
// of points, lines and polygons, where files are added and removed. Every
// change reaches the host's list and the remembered names at once; OK and
// Cancel only close the dialog.

#include "controls/ColourDialogEx.h"
#include "controls/MyListCtrl.h"
#include "frame/Api.h"
#include "kml/KMLFileList.h"

class OVERLAYS_API CKMLFileSelectorDlg : public CColourDialogEx {
 public:
  explicit CKMLFileSelectorDlg(CKMLFileList& files, CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  const MessageMap& GetMessageMap() const override;

 private:
  void FillList();
  void ShowDeleteButton();
  // The file-open dialog, then the file loaded and added when it reads.
  void AddFile();
  void RemoveSelectedFiles();
  void ShowContextMenu();

  void OnSelectFile() { AddFile(); }
  void OnDeleteFile() { RemoveSelectedFiles(); }
  void OnListClick(NMHDR*, LRESULT*) { ShowDeleteButton(); }
  void OnListDoubleClick(NMHDR* header, LRESULT* result);
  void OnListRightClick(NMHDR*, LRESULT*) { ShowContextMenu(); }
  void OnListKeyDown(NMHDR* header, LRESULT* result);

  CKMLFileList& files_;
  CMyListCtrl list_;
};
