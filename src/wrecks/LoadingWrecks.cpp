#include "wrecks/LoadingWrecks.h"

#include "frame/Exports.h"
#include "frame/MessageNames.h"
#include "wrecks/WreckFonts.h"
#include "wrecks/WreckResources.h"
#include "wrecks/WreckSettings.h"
#include "wrecks/WreckThread.h"

namespace {

const UINT UM_END_THREAD = platform::ui::RegisterWindowMessage(messages::kEndThread);
constexpr int kTextHeight = 32;

}  // namespace

CLoadingWrecks::CLoadingWrecks(CWnd* parent) : CColourDialogEx(IDD_LOADING_WRECKS, parent) {}

CLoadingWrecks::~CLoadingWrecks() = default;

void CLoadingWrecks::SetData(CWreckList* wrecks, CWreckList* searchList) {
  wrecks_ = wrecks;
  searchList_ = searchList;
}

BOOL CLoadingWrecks::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  loadingText_.SubclassDlgItem(IDC_LOADING_TEXT, this);
  waitText_.SubclassDlgItem(IDC_PLEASE_WAIT, this);
  CreateWreckDialogFont(font_, kTextHeight, FontQuality::Default);
  loadingText_.SetFont(&font_);
  waitText_.SetFont(&font_);
  if (searchList_) LoadSearchSettings(searchList_);
  // Without a thread nothing ends the dialog but the user closing it.
  thread_ = BeginThread<CWreckThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  if (thread_) {
    thread_->m_pOwner = this;
    thread_->m_pWreckList = wrecks_;
    thread_->m_pSearchList = nullptr;
    thread_->ResumeThread();
  }
  return TRUE;
}

LRESULT CLoadingWrecks::OnEndThread(WPARAM, LPARAM) {
  thread_ = nullptr;
  EndDialog(IDOK);
  return 0;
}

const MessageMap& CLoadingWrecks::GetMessageMap() const {
  using H = Handlers<CLoadingWrecks>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(), {
      H::Registered(UM_END_THREAD, &CLoadingWrecks::OnEndThread),
  });
  return map;
}

void LoadingWrecks(CWreckList* wrecks, CWreckList* searchList) {
  CLoadingWrecks dialog(nullptr);
  dialog.SetData(wrecks, searchList);
  dialog.DoModal();
}
