#pragma once
// The shape file selector: the host's loaded shapefiles with their numbers
// of points, lines and polygons and four display settings edited in place
// (shown or hidden, colour, size, polygons filled). Files are added and
// removed as in every file selector; an edited setting is saved to the
// file's settings file at once.

#include "controls/FileListDlg.h"
#include "frame/Api.h"
#include "platform/companions/NoYesImageList.h"
#include "platform/ui/ImageList.h"
#include "shape/ShapeFileList.h"

class OVERLAYS_API CShapeFileSelectorDlg : public CFileListDlg {
 public:
  explicit CShapeFileSelectorDlg(CShapeFileList& shapes, CWnd* parent = nullptr);

  const MessageMap& GetMessageMap() const override;

 private:
  std::span<const char* const> Columns() const override;
  void SetUpList() override;
  void InsertRows() override;
  void AddPath(const std::string& path) override;
  void RemoveFile(std::size_t row) override;
  void SaveNames() override { shapes_.names.Save(); }

  // The counts of a file opened again, then its settings; a file that no
  // longer opens keeps its name alone.
  void ShowFile(int row, const CShape& shape);
  void ShowSettings(int row, const ShapeDisplayDef& display);
  void ShowCell(int row, int column, const std::string& text, int image);

  void OnSelectFile() { AddFile(); }
  void OnDeleteFile() { RemoveSelectedFiles(); }
  LRESULT OnSetItems(WPARAM cell, LPARAM items);
  LRESULT OnImageList(WPARAM cell, LPARAM images);
  LRESULT OnValidate(WPARAM, LPARAM info);

  CShapeFileList& shapes_;
  CNoYesImageList noYes_;
  // Blank, no and yes, then a swatch for each standard colour: the images
  // of the list's cells.
  CImageList cellImages_;
};
