#include "shape/LoadShape.h"

#include <utility>

#include "frame/Exports.h"
#include "frame/FormatText.h"
#include "frame/MessageNames.h"
#include "frame/PathText.h"
#include "platform/text/CodePage.h"
#include "shape/LoadShapeThread.h"
#include "shape/ShapeFileList.h"
#include "platform/ui/Toolkit.h"
#include "shape/ShapeResources.h"

namespace {

const UINT UM_SHAPE_THREAD = platform::ui::RegisterWindowMessage(messages::kShapeThread);
constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressPeriodMs = 100;
constexpr short kStartRange = 1000;

}  // namespace

CLoadShape::CLoadShape(std::shared_ptr<ShapeLoadJob> job, CWnd* parent)
    : CColourDialogEx(IDD_LOADING_SHAPE, parent), job_(std::move(job)) {}

BOOL CLoadShape::OnInitDialog() {
  CColourDialogEx::OnInitDialog();
  progress_.SubclassDlgItem(IDC_SHAPE_PROGRESS, this);
  quit_.SubclassDlgItem(IDCANCEL, this);
  progress_.SetRange(0, kStartRange);
  progress_.SetPos(0);
  SetWindowText(FormatText("Loading Shape File %s.........", GetPathTitle(job_->shape->path).c_str()));
  StartWorker();
  SetTimer(kProgressTimer, kProgressPeriodMs, nullptr);
  return TRUE;
}

// Without a worker nothing ends the dialog but Quit.
void CLoadShape::StartWorker() {
  auto* worker = BeginThread<CLoadShapeThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  if (!worker) return;
  worker->m_hDialog = GetSafeHwnd();
  worker->m_job = job_;
  workerStarted_ = true;
  worker->ResumeThread();
}

// The range message takes 16 bits a side: a file of more than 32767
// entities shows a bar that wraps, as it always has.
void CLoadShape::OnTimer(UINT_PTR) {
  const std::int32_t total = job_->shape->entityCount;
  const std::int32_t copied = job_->copied;
  if (total > 0) {
    progress_.SetRange(1, static_cast<short>(total));
    progress_.SetPos(copied);
  }
  SetDlgItemText(IDC_SHAPE_COPIED_TEXT, FormatText("Copied %ld of %ld Entities", static_cast<long>(copied),
                                                   static_cast<long>(total)));
}

LRESULT CLoadShape::OnShapeThread(WPARAM stopped, LPARAM) {
  if (stopped) endCode_ = IDCANCEL;
  EndDialog(endCode_);
  return 0;
}

void CLoadShape::OnCancel() {
  if (workerStarted_) job_->stop = 1;
  endCode_ = IDCANCEL;
  CColourDialogEx::OnCancel();
}

const MessageMap& CLoadShape::GetMessageMap() const {
  using H = Handlers<CLoadShape>;
  static const MessageMap map(&CColourDialogEx::GetMessageMap(), {
      H::Registered(UM_SHAPE_THREAD, &CLoadShape::OnShapeThread),
      H::Timer(&CLoadShape::OnTimer),
  });
  return map;
}

bool LoadShapeFile(const char* path, CShapeFileList* list) {
  if (!path || !list) return false;
  auto job = std::make_shared<ShapeLoadJob>();
  job->shape->path = path;
  CLoadShape dialog(job);
  if (dialog.DoModal() != IDOK) return false;
  list->Append(std::move(job->shape));
  return true;
}

void LoadShapeFiles(CShapeFileList* list) {
  if (!list) return;
  for (std::size_t i = 0; i < list->names.GetCount(); ++i) LoadShapeFile(list->names.GetAt(i).c_str(), list);
}

// A shape added here keeps the ".shp" of its path, so it never matches a
// later call for the same file: the comparison adds ".shp" to every
// loaded path, as the file selector stores them without.
bool AddShapeFile(const char* path, CShapeFileList* list) {
  if (!path || !list) return false;
  for (const auto& shape : list->Shapes())
    if (platform::text::EqualsIgnoringCase(shape->path + ".shp", path)) return false;
  if (!LoadShapeFile(path, list)) return false;
  list->names.FindOrAdd(path);
  list->names.Save();
  return true;
}
