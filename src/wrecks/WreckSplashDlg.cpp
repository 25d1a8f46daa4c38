#include "wrecks/WreckSplashDlg.h"

#include <cstdio>

#include "frame/Exports.h"
#include "frame/Folders.h"
#include "frame/Packages.h"
#include "platform/fs/FileSystem.h"
#include "wrecks/WreckFonts.h"
#include "wrecks/WreckResources.h"

const char kWreckDataNotice[] =
    "Sample wreck and obstruction data, invented for demonstration and testing: "
    "no record describes a real wreck, and none may be used for navigation. "
    "Code tables after the international hydrographic standard for wrecks and obstructions. "
    "\xA9 %d the overlays project; free to copy.";

namespace {

constexpr int kTitleHeight = 72;
constexpr int kButtonHeight = 20;
constexpr COLORREF kWhite = RGB(255, 255, 255);

int CurrentYear() { return platform::fs::GetLocalTime().year; }

}  // namespace

CWreckSplashDlg::CWreckSplashDlg(CWnd* parent) : CColourDialogEx(IDD_WRECK_SPLASH, parent) {}

CWreckSplashDlg::~CWreckSplashDlg() = default;

BOOL CWreckSplashDlg::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  accept_.SubclassDlgItem(IDC_ACCEPT, this);
  decline_.SubclassDlgItem(IDC_DECLINE, this);
  title_.SubclassDlgItem(IDC_SPLASH_TITLE, this);
  notice_.SubclassDlgItem(IDC_SPLASH_NOTICE, this);

  CreateWreckDialogFont(titleFont_, kTitleHeight, FontQuality::Draft);
  CreateWreckDialogFont(buttonFont_, kButtonHeight, FontQuality::Draft);
  title_.SetFont(&titleFont_);
  accept_.SetFont(&buttonFont_);
  decline_.SetFont(&buttonFont_);

  // Green to take the data, red to leave it; the grey second colour of
  // Decline is its highlight face.
  accept_.SetNormalColours(RGB(0, 128, 0), accept_.GetColours().normalSecond, kWhite);
  accept_.SetHoverColours(RGB(0, 255, 0), kWhite);
  decline_.SetNormalColours(RGB(128, 0, 0), RGB(192, 192, 192), kWhite);
  decline_.SetHoverColours(RGB(255, 0, 0), kWhite);
  accept_.Invalidate();
  decline_.Invalidate();

  char notice[512];
  std::snprintf(notice, sizeof notice, kWreckDataNotice, CurrentYear());
  notice_.SetWindowText(notice);
  return TRUE;
}

void CWreckSplashDlg::OnDestroy() {
  titleFont_.DeleteObject();
  buttonFont_.DeleteObject();
}

CBrush* CWreckSplashDlg::OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor) {
  if (ctlColor == CTLCOLOR_DLG) return GetBackgroundBrush();
  if (ctlColor != CTLCOLOR_STATIC) return nullptr;
  const bool title = control && control->GetDlgCtrlID() == IDC_SPLASH_TITLE;
  dc->SetTextColor(title ? kWhite : GetTextColour());
  dc->SetBkColor(GetBackgroundColour());
  return GetBackgroundBrush();
}

const MessageMap& CWreckSplashDlg::GetMessageMap() const {
  using H = Handlers<CWreckSplashDlg>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(), {
      H::CtlColor(&CWreckSplashDlg::OnCtlColor),
      H::Message(WM_DESTROY, &CWreckSplashDlg::OnDestroy),
  });
  return map;
}

void InstallWrecks() {
  CWreckSplashDlg dialog(nullptr);
  std::string package;
  if (!FindPackageFile(kWreckPackageExtension, package)) return;
  // Declined or closed: the package stays and is offered again next time.
  if (dialog.DoModal() != IDOK) return;
  std::string folder;
  FindDataFolder(folder, kWrecksDataFolder);
  UnpackPackage(folder, package);
  MoveToInstalled(package);
}
