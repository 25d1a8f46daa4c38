#pragma once
// The worker that reads one shapefile into the loading dialog's shape: the
// projection, the field names, the header and every entity until asked to
// stop, then the display settings and the label column. It posts
// "UM_SHAPE_THREAD" to the dialog as its last act, with 1 when the file
// could not be opened or the load was stopped and 0 after a complete load,
// and deletes itself.
//
// The dialog is known by its window handle alone: a post to a dialog that
// has ended goes nowhere, where a pointer to it would dangle.

#include <memory>

#include "frame/Api.h"
#include "platform/ui/Toolkit.h"
#include "shape/ShapeLoadJob.h"

class OVERLAYS_API CLoadShapeThread : public CWinThread {
 public:
  BOOL InitInstance() override;
  int Run() override;

  HWND m_hDialog = nullptr;
  std::shared_ptr<ShapeLoadJob> m_job;

 private:
  // Steps up to and including the entities; false when the pair did not open.
  bool CopyEntities(CShape& shape);
  // Points the shape's labels at a "TEXTSTRING" field, saving the settings
  // only when that changes them.
  static void ChooseLabelColumn(CShape& shape);
};
