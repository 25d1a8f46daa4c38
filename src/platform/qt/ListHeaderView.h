#pragma once
// A report list's header. Captions the module draws itself (HDF_OWNERDRAW,
// the multi-line captions) are painted by their owner into a recording CDC
// and replayed; the others are Qt's.

#include <QHeaderView>

#include "platform/ui/WinConstants.h"

namespace platform::qt {

class ListHeaderView : public QHeaderView {
 public:
  ListHeaderView(HWND list, QWidget* parent);

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  HWND list_;
};

}  // namespace platform::qt
