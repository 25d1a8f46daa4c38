#include "platform/qt/PopupMenu.h"

#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include "platform/qt/AnsiText.h"
#include "platform/qt/DrawOpPainter.h"
#include "platform/ui/DC.h"
#include "platform/ui/Menu.h"

namespace platform::qt {
namespace {

QIcon OwnerDrawnLook(CMenu& menu, const MenuItem& item) {
  const CSize size = menu.MeasuredSize(item.id);
  if (size.cx <= 0 || size.cy <= 0) return {};
  CDC dc;
  DRAWITEMSTRUCT draw;
  draw.itemID = item.id;
  draw.itemAction = ODA_DRAWENTIRE;
  draw.pDC = &dc;
  draw.rcItem = CRect(0, 0, size.cx, size.cy);
  draw.itemData = item.data;
  menu.DrawItem(&draw);
  QPixmap look(size.cx, size.cy);
  look.fill(Qt::white);
  QPainter painter(&look);
  ReplayDrawing(dc, painter);
  return QIcon(look);
}

void AddItem(QMenu& shown, CMenu& menu, const MenuItem& item) {
  if (item.flags & MF_SEPARATOR) {
    shown.addSeparator();
    return;
  }
  const bool ownerDrawn = (item.flags & MF_OWNERDRAW) != 0;
  QAction* action = shown.addAction(ownerDrawn ? QString() : FromAnsi(item.text));
  if (ownerDrawn) action->setIcon(OwnerDrawnLook(menu, item));
  action->setData(item.id);
  action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
  action->setCheckable((item.flags & MF_CHECKED) != 0);
  action->setChecked((item.flags & MF_CHECKED) != 0);
}

}  // namespace

UINT ShowPopupMenu(CMenu& menu, QPoint screenPoint) {
  QMenu shown;
  for (const MenuItem& item : menu.Items()) AddItem(shown, menu, item);
  QAction* chosen = shown.exec(screenPoint);
  return chosen ? chosen->data().toUInt() : 0;
}

}  // namespace platform::qt
