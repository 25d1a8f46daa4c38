#include "platform/qt/ListHeaderView.h"

#include <QPainter>

#include "platform/qt/DrawOpPainter.h"
#include "platform/ui/Backend.h"
#include "platform/ui/DC.h"
#include "platform/ui/ListCtrl.h"

namespace platform::qt {
namespace {

CHeaderCtrl* HeaderOf(HWND list) {
  auto* control = dynamic_cast<CListCtrl*>(CWnd::FromHandle(list));
  return control ? control->GetHeaderCtrl() : nullptr;
}

bool IsOwnerDrawn(const CHeaderCtrl& header, int column) {
  HDITEM item;
  item.mask = HDI_FORMAT;
  return header.GetItem(column, &item) && (item.fmt & HDF_OWNERDRAW) != 0;
}

}  // namespace

ListHeaderView::ListHeaderView(HWND list, QWidget* parent) : QHeaderView(Qt::Horizontal, parent), list_(list) {
  setSectionsClickable(true);
  setHighlightSections(false);
}

void ListHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  CHeaderCtrl* header = HeaderOf(list_);
  if (!header || !IsOwnerDrawn(*header, logicalIndex)) {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    return;
  }
  CDC dc;
  const CRect caption(0, 0, rect.width(), rect.height());
  if (!platform::ui::DrawOwnerItem(*header, static_cast<UINT>(logicalIndex), caption, 0, dc)) {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    return;
  }
  painter->save();
  painter->translate(rect.topLeft());
  painter->setClipRect(QRect(QPoint(0, 0), rect.size()));
  ReplayDrawing(dc, *painter);
  painter->restore();
}

}  // namespace platform::qt
