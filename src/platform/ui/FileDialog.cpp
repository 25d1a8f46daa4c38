#include "platform/ui/FileDialog.h"

#include <array>

#include "platform/fs/FileSystem.h"
#include "platform/ui/ComboBox.h"

namespace {

using platform::ui::ControlKind;
using platform::ui::DialogItemTemplate;
using platform::ui::DialogTemplate;

constexpr DWORD kTabStop = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE | SS_LEFT;

// The save and open dialogs differ only in two words.
constexpr std::array<DialogItemTemplate, 7> FileItems(std::string_view typeLabel, std::string_view action) {
  return {{
      {-1, ControlKind::Static, "File name:", {7, 9, 50, 8}, kLabel},
      {platform::ui::kFileNameField, ControlKind::Edit, "", {60, 7, 190, 12}, kTabStop | ES_AUTOHSCROLL},
      {-1, ControlKind::Static, typeLabel, {7, 27, 50, 8}, kLabel},
      {platform::ui::kFileTypeList, ControlKind::ComboBox, "", {60, 25, 190, 60}, kTabStop | CBS_DROPDOWNLIST},
      {platform::ui::kFileProblemText, ControlKind::Static, "", {7, 44, 243, 16}, kLabel},
      {IDOK, ControlKind::Button, action, {146, 64, 50, 14}, kTabStop | BS_DEFPUSHBUTTON},
      {IDCANCEL, ControlKind::Button, "Cancel", {200, 64, 50, 14}, kTabStop},
  }};
}

constexpr auto kSaveItems = FileItems("Save as type:", "Save");
constexpr DialogTemplate kSaveTemplate{platform::ui::kSaveFileDialog, "Save As", {0, 0, 257, 85},
                                       WS_POPUP | WS_CAPTION | WS_SYSMENU, kSaveItems};
constexpr auto kOpenItems = FileItems("Files of type:", "Open");
constexpr DialogTemplate kOpenTemplate{platform::ui::kOpenFileDialog, "Open", {0, 0, 257, 85},
                                       WS_POPUP | WS_CAPTION | WS_SYSMENU, kOpenItems};

const DialogTemplate& TemplateOf(FileDialogMode mode) {
  return mode == FileDialogMode::Open ? kOpenTemplate : kSaveTemplate;
}

// "*.kmz" names the extension as a filter does; the dialog adds "kmz".
std::string_view BareExtension(std::string_view extension) {
  if (extension.starts_with("*")) extension.remove_prefix(1);
  if (extension.starts_with(".")) extension.remove_prefix(1);
  return extension;
}

// Yes is the default button and No the cancel one, so Enter replaces and
// Escape goes back to the file name.
constexpr DialogItemTemplate kConfirmItems[] = {
    {platform::ui::kConfirmText, ControlKind::Static, "", {7, 7, 220, 24}, kLabel},
    {IDOK, ControlKind::Button, "Yes", {123, 36, 50, 14}, kTabStop | BS_DEFPUSHBUTTON},
    {IDCANCEL, ControlKind::Button, "No", {177, 36, 50, 14}, kTabStop},
};
constexpr DialogTemplate kConfirmTemplate{platform::ui::kConfirmReplaceDialog, "Confirm Save As", {0, 0, 234, 57},
                                          WS_POPUP | WS_CAPTION | WS_SYSMENU, kConfirmItems};

// Characters that no Windows file name may hold (the separators and the
// drive colon are taken apart before this is asked).
constexpr std::string_view kForbiddenInName = "*?\"<>|";

class ConfirmReplaceDialog : public CDialog {
 public:
  ConfirmReplaceDialog(std::string question, CWnd* parent)
      : CDialog(kConfirmTemplate.id, parent), question_(std::move(question)) {}
  BOOL OnInitDialog() override {
    SetDlgItemText(platform::ui::kConfirmText, question_);
    return CDialog::OnInitDialog();
  }

 protected:
  BOOL CreateDialogWindow(CWnd* parent, DWORD extraStyle) override {
    return BuildFromTemplate(kConfirmTemplate, parent, extraStyle);
  }

 private:
  std::string question_;
};

// "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||": every other field is a
// description; an empty field ends the list.
std::vector<std::string> FileTypesOf(std::string_view filter) {
  std::vector<std::string> types;
  bool description = true;
  while (!filter.empty()) {
    const std::size_t bar = filter.find('|');
    const std::string_view field = filter.substr(0, bar);
    if (field.empty()) break;
    if (description) types.emplace_back(field);
    description = !description;
    if (bar == std::string_view::npos) break;
    filter.remove_prefix(bar + 1);
  }
  return types;
}

std::size_t NameStart(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

CFileDialog::CFileDialog(std::string_view defaultExtension, std::string_view fileName, DWORD flags,
                         std::string_view filter, CWnd* parent)
    : CFileDialog(FileDialogMode::Save, defaultExtension, fileName, flags, filter, parent) {}

CFileDialog::CFileDialog(FileDialogMode mode, std::string_view defaultExtension, std::string_view fileName,
                         DWORD flags, std::string_view filter, CWnd* parent)
    : CDialog(TemplateOf(mode).id, parent),
      mode_(mode),
      defaultExtension_(BareExtension(defaultExtension)),
      fileName_(fileName),
      flags_(flags),
      fileTypes_(FileTypesOf(filter)),
      title_(TemplateOf(mode).caption) {}

BOOL CFileDialog::CreateDialogWindow(CWnd* parent, DWORD extraStyle) {
  return BuildFromTemplate(TemplateOf(mode_), parent, extraStyle);
}

BOOL CFileDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(title_);
  if (auto* types = dynamic_cast<CComboBox*>(GetDlgItem(platform::ui::kFileTypeList))) {
    for (const std::string& type : fileTypes_) types->AddString(type);
    types->SetCurSel(0);
  }
  CWnd* name = GetDlgItem(platform::ui::kFileNameField);
  name->SetWindowText(fileName_);
  // The name is selected, so typing replaces it.
  GotoDlgCtrl(name);
  return FALSE;
}

std::string CFileDialog::GetFileName() const { return path_.substr(NameStart(path_)); }

std::string CFileDialog::GetFileExt() const {
  const std::string name = GetFileName();
  const std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

bool CFileDialog::ResolveTypedName(std::string& path, std::string& problem) const {
  const std::string typed = GetDlgItemText(platform::ui::kFileNameField);
  const std::string_view name = std::string_view(typed).substr(NameStart(typed));
  if (name.empty() || name == "." || name == "..") {
    problem = "Type a file name.";
    return false;
  }
  if (name.find_first_of(kForbiddenInName) != std::string_view::npos) {
    problem = "The file name is not valid: it may not hold " + std::string(kForbiddenInName) + ".";
    return false;
  }
  const bool addExtension = name.find('.') == std::string_view::npos && !defaultExtension_.empty();
  const std::string full = platform::fs::FullPath(addExtension ? typed + "." + defaultExtension_ : typed);
  if (full.empty()) {
    problem = "The path is not valid.";
    return false;
  }
  if (platform::fs::FolderExists(full)) {
    problem = full + " is a folder.";
    return false;
  }
  const std::string folder = full.substr(0, NameStart(full));
  if (!platform::fs::FolderExists(folder)) {
    problem = "The folder " + folder + " does not exist.";
    return false;
  }
  if (mode_ == FileDialogMode::Open && !platform::fs::FileExists(full)) {
    problem = full + " was not found.";
    return false;
  }
  path = full;
  return true;
}

bool CFileDialog::MayReplace(const std::string& path) {
  if (mode_ == FileDialogMode::Open || !(flags_ & OFN_OVERWRITEPROMPT) || !platform::fs::FileExists(path))
    return true;
  ConfirmReplaceDialog confirm(path + " already exists.\nDo you want to replace it?", this);
  return confirm.DoModal() == IDOK;
}

void CFileDialog::OnOK() {
  std::string path;
  std::string problem;
  if (!ResolveTypedName(path, problem)) {
    SetDlgItemText(platform::ui::kFileProblemText, problem);
    return;
  }
  SetDlgItemText(platform::ui::kFileProblemText, "");
  if (!MayReplace(path)) return;
  path_ = path;
  EndDialog(IDOK);
}
