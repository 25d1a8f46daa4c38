#include "platform/companions/ListCtrlBtn.h"

#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"

namespace {

std::string& Problem() {
  thread_local std::string problem;
  return problem;
}

// A caption may hold characters that no file name can.
std::string FileNameFrom(std::string_view title) {
  std::string name;
  for (char c : title)
    if (static_cast<unsigned char>(c) >= 0x20 && std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos)
      name += c;
  return name.empty() ? std::string("List") : name;
}

}  // namespace

std::string CListCtrlBtn::LastProblem() { return Problem(); }

void CListCtrlBtn::Fail(std::string reason) {
  Problem() = std::move(reason);
  MessageBox(GetTopLevelParent(), Problem(), "Error", MB_OK | MB_ICONERROR);
}

const MessageMap& CListCtrlBtn::GetMessageMap() const {
  using H = Handlers<CListCtrlBtn>;
  static const MessageMap map(&CButton::GetMessageMap(), {
      H::Reflect(BN_CLICKED, &CListCtrlBtn::OnClicked),
  });
  return map;
}

void CListCtrlBtn::OnClicked() {
  Problem().clear();
  if (list_) Export(platform::companions::ListTable::Of(*list_, DialogCaption()));
}

std::string CListCtrlBtn::DialogCaption() {
  CWnd* dialog = GetTopLevelParent();
  return dialog && dialog != this ? dialog->GetWindowText() : std::string();
}

std::optional<std::string> CListCtrlBtn::AskForPath(const platform::companions::ListTable& table,
                                                    std::string_view dialogTitle, std::string_view extension,
                                                    std::string_view filter) {
  const std::string name = FileNameFrom(table.title) + "." + std::string(extension);
  CFileDialog dialog(extension, name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, GetTopLevelParent());
  dialog.SetTitle(dialogTitle);
  if (dialog.DoModal() != IDOK) return std::nullopt;
  return dialog.GetPathName();
}
