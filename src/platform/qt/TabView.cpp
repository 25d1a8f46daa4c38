#include "platform/qt/TabView.h"

#include <QMouseEvent>
#include <QTabBar>

#include "platform/qt/AnsiText.h"
#include "platform/ui/Wnd.h"

namespace platform::qt {

TabView::TabView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, new QTabBar(parent)) {
  static_cast<QTabBar*>(Widget())->setDrawBase(true);
}

void TabView::SyncContent(CWnd& window) {
  auto* tabs = static_cast<QTabBar*>(Widget());
  const std::vector<std::string> captions = window.AccessibleRows();
  while (tabs->count() > static_cast<int>(captions.size())) tabs->removeTab(tabs->count() - 1);
  for (size_t i = 0; i < captions.size(); ++i) {
    const int index = static_cast<int>(i);
    if (index == tabs->count()) tabs->addTab(QString());
    tabs->setTabText(index, FromAnsi(captions[i]));
  }
  tabs->setCurrentIndex(window.AccessibleSelection());
}

bool TabView::DeliverMouse(CWnd& window, QObject*, QMouseEvent& event) {
  const int tab = static_cast<QTabBar*>(Widget())->tabAt(event.position().toPoint());
  if (event.type() == QEvent::MouseButtonPress && event.button() == Qt::LeftButton && tab >= 0)
    window.ChooseRowByUser(tab, false);
  return true;
}

}  // namespace platform::qt
