#pragma once
// The modal progress dialog behind which one shapefile is read on a worker
// thread: "Copied n of m Entities" every 100 ms, and Quit. It ends with OK
// only on the worker's message after a complete load; Quit, or a file that
// does not open, ends it with Cancel.
//
// Quit ends the dialog at once, without waiting for the worker to finish
// the entity in hand: the worker shares the job (ShapeLoadJob.h) and
// releases the shape when it is done with it.

#include <memory>

#include "controls/ColourButton.h"
#include "controls/ColourDialogEx.h"
#include "frame/Api.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/Static.h"
#include "shape/ShapeLoadJob.h"

class OVERLAYS_API CLoadShape : public CColourDialogEx {
 public:
  // The job's shape has its path set.
  explicit CLoadShape(std::shared_ptr<ShapeLoadJob> job, CWnd* parent = nullptr);

  BOOL OnInitDialog() override;
  void OnCancel() override;
  const MessageMap& GetMessageMap() const override;
  // Entities copied so far, as the worker counts them (not as last shown).
  std::int32_t Copied() const { return job_->copied; }

 private:
  void StartWorker();
  void OnTimer(UINT_PTR id);
  LRESULT OnShapeThread(WPARAM stopped, LPARAM);

  CProgressCtrl progress_;
  std::shared_ptr<ShapeLoadJob> job_;
  int endCode_ = IDOK;
  bool workerStarted_ = false;
  CColourButton quit_;
};
