#include "platform/qt/ProgressView.h"

#include <QProgressBar>

#include "platform/ui/ProgressCtrl.h"

namespace platform::qt {

ProgressView::ProgressView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, new QProgressBar(parent)) {
  static_cast<QProgressBar*>(Widget())->setTextVisible(false);
}

void ProgressView::SyncContent(CWnd& window) {
  auto* bar = static_cast<QProgressBar*>(Widget());
  if (auto* progress = dynamic_cast<CProgressCtrl*>(&window)) {
    int lower = 0;
    int upper = 0;
    progress->GetRange(lower, upper);
    bar->setRange(lower, upper);
  }
  bar->setValue(static_cast<int>(window.SendMessage(PBM_GETPOS)));
}

}  // namespace platform::qt
