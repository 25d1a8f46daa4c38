#pragma once
// CFileListDlg: the base of the overlay file selectors. A list of the
// host's loaded files, one row each, with "Select File" and "Delete File"
// buttons, a context menu of "Add File" and "Remove File", a double-click
// below the rows to add and the Delete key to remove. Every change reaches
// the host's list and its remembered names at once; OK and Cancel only
// close the dialog.
//
// The selector of each kind of file says how its rows read, how a chosen
// file is loaded and how a row is taken out; the base works the dialog.

#include <cstddef>
#include <span>
#include <string>

#include "controls/ColourDialogEx.h"
#include "controls/MyListCtrl.h"
#include "frame/Api.h"

// Every selector's list, and the items of its context menu (the title is
// the popup menu's own).
inline constexpr int IDC_FILE_LIST = 32135;
inline constexpr UINT ID_FILE_LIST_ADD = 100;
inline constexpr UINT ID_FILE_LIST_REMOVE = 200;

struct FileListDlgDef {
  UINT templateId;
  int deleteButton;
  const char* menuTitle;
  const char* defaultExtension;
  const char* filter;
  // The context menu shows only while a row is selected (else: while the
  // list has rows).
  bool menuNeedsSelection;
};

// A count as the selectors show it: empty for none.
std::string CountText(std::size_t count);

class OVERLAYS_API CFileListDlg : public CColourDialogEx {
 public:
  CFileListDlg(const FileListDlgDef& def, CWnd* parent);

  BOOL OnInitDialog() override;
  const MessageMap& GetMessageMap() const override;

 protected:
  // The headings of the columns, in order.
  virtual std::span<const char* const> Columns() const = 0;
  // Sets the columns of the list before its first fill (editors, images).
  virtual void SetUpList() {}
  // Inserts one row per loaded file, in list order.
  virtual void InsertRows() = 0;
  // The path chosen in the open dialog, to load and add when it is new.
  virtual void AddPath(const std::string& path) = 0;
  // Takes the file of a row out of the host's list, destroying it.
  virtual void RemoveFile(std::size_t row) = 0;
  virtual void SaveNames() = 0;

  void FillList();
  void AddFile();
  void RemoveSelectedFiles();

  CMyListCtrl list_;

 private:
  void ShowDeleteButton();
  void ShowContextMenu();
  void OnListClick(NMHDR*, LRESULT*) { ShowDeleteButton(); }
  void OnListDoubleClick(NMHDR* header, LRESULT* result);
  void OnListRightClick(NMHDR*, LRESULT*) { ShowContextMenu(); }
  void OnListKeyDown(NMHDR* header, LRESULT* result);

  const FileListDlgDef& def_;
};
