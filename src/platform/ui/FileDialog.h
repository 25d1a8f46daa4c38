#pragma once
// CFileDialog: the common "Save As" and "Open" dialogs. Each offers a file
// name (the default one first), a list of file types from a filter text
// such as "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||", and Save (or
// Open) and Cancel. Open takes only the name of an existing file.
// Save takes the typed name as a Windows path (relative names start from
// the platform's current folder), adds the default extension when the name
// has none, and keeps the dialog open, with the reason in its problem line,
// while the name is not usable: empty, with characters no file name may
// hold, naming a folder, or in a folder that does not exist. With
// OFN_OVERWRITEPROMPT an existing file is replaced only when the user says
// Yes in a "Confirm Save As" dialog.
//
// The automation hook answers it like any modal dialog (its template id is
// kSaveFileDialog or kOpenFileDialog; Driver::SaveAs types a path and
// presses Save or Open); headless with no hook it ends as cancelled.

#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/Dialog.h"

inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;

namespace platform::ui {

// Template and control ids of the dialog and of its overwrite prompt.
inline constexpr UINT kSaveFileDialog = 0x7E10;
inline constexpr UINT kConfirmReplaceDialog = 0x7E11;
inline constexpr UINT kOpenFileDialog = 0x7E12;
inline constexpr int kFileNameField = 0x0480;
inline constexpr int kFileTypeList = 0x0470;
inline constexpr int kFileProblemText = 0x0443;
inline constexpr int kConfirmText = 0x0444;

}  // namespace platform::ui

enum class FileDialogMode { Save, Open };

class OVERLAYS_API CFileDialog : public CDialog {
 public:
  // A "Save As" dialog. `defaultExtension` without the dot (a leading "*."
  // is passed over); `filter` as described above.
  CFileDialog(std::string_view defaultExtension, std::string_view fileName, DWORD flags, std::string_view filter,
              CWnd* parent = nullptr);
  CFileDialog(FileDialogMode mode, std::string_view defaultExtension, std::string_view fileName, DWORD flags,
              std::string_view filter, CWnd* parent = nullptr);

  void SetTitle(std::string_view title) { title_ = title; }
  // After IDOK: the full Windows path, its file name and its extension.
  std::string GetPathName() const { return path_; }
  std::string GetFileName() const;
  std::string GetFileExt() const;

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  BOOL CreateDialogWindow(CWnd* parent, DWORD extraStyle) override;

 private:
  // The full path the typed name stands for, or the reason it cannot be
  // used.
  bool ResolveTypedName(std::string& path, std::string& problem) const;
  bool MayReplace(const std::string& path);

  FileDialogMode mode_;
  std::string defaultExtension_;
  std::string fileName_;
  DWORD flags_;
  // The descriptions of the filter's file types.
  std::vector<std::string> fileTypes_;
  std::string title_;
  std::string path_;
};
