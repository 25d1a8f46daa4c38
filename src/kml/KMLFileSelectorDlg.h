#pragma once
// The KML file selector: the host's loaded KMZ overlays with their numbers
// of points, lines and polygons, where files are added and removed. Every
// change reaches the host's list and the remembered names at once; OK and
// Cancel only close the dialog.

#include "controls/FileListDlg.h"
#include "frame/Api.h"
#include "kml/KMLFileList.h"

class OVERLAYS_API CKMLFileSelectorDlg : public CFileListDlg {
 public:
  explicit CKMLFileSelectorDlg(CKMLFileList& files, CWnd* parent = nullptr);

  const MessageMap& GetMessageMap() const override;

 private:
  std::span<const char* const> Columns() const override;
  void InsertRows() override;
  // The list itself refuses an archive already loaded (paths compared
  // ignoring case) or one that reads nothing.
  void AddPath(const std::string& path) override { files_.Add(path); }
  void RemoveFile(std::size_t row) override { files_.RemoveAt(row); }
  void SaveNames() override { files_.names.Save(); }

  void OnSelectFile() { AddFile(); }
  void OnDeleteFile() { RemoveSelectedFiles(); }

  CKMLFileList& files_;
};
