#include "platform/qt/ComboView.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

#include "platform/qt/AnsiText.h"
#include "platform/qt/Pixmaps.h"
#include "platform/ui/ComboBoxEx.h"

namespace platform::qt {
namespace {

QIcon EntryIcon(const CWnd& window, int index) {
  auto* extended = dynamic_cast<const CComboBoxEx*>(&window);
  if (!extended) return {};
  return QIcon(ImageListPixmap(extended->GetImageList(), extended->GetItemImage(index)));
}

bool ShowsEntries(const QComboBox& combo, const std::vector<std::string>& rows) {
  if (combo.count() != static_cast<int>(rows.size())) return false;
  for (int i = 0; i < combo.count(); ++i)
    if (combo.itemText(i) != FromAnsi(rows[static_cast<size_t>(i)])) return false;
  return true;
}

}  // namespace

ComboView::ComboView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, new QComboBox(parent)) {
  auto* combo = static_cast<QComboBox*>(Widget());
  combo->setEditable((window.GetStyle() & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST);
  const HWND handle = window.m_hWnd;
  QObject::connect(combo, &QComboBox::activated, combo, [this, handle](int index) {
    if (syncing_) return;
    if (CWnd* control = CWnd::FromHandle(handle)) control->ChooseRowByUser(index, false);
  });
}

QList<QWidget*> ComboView::InputParts() const {
  auto* combo = static_cast<QComboBox*>(Widget());
  if (combo->lineEdit()) return {combo, combo->lineEdit()};
  return {combo};
}

void ComboView::SyncContent(CWnd& window) {
  auto* combo = static_cast<QComboBox*>(Widget());
  syncing_ = true;
  const std::vector<std::string> rows = window.AccessibleRows();
  if (!ShowsEntries(*combo, rows)) {
    combo->clear();
    for (size_t i = 0; i < rows.size(); ++i) combo->addItem(EntryIcon(window, static_cast<int>(i)), FromAnsi(rows[i]));
  }
  combo->setCurrentIndex(window.AccessibleSelection());
  if (combo->isEditable()) combo->lineEdit()->setText(FromAnsi(window.GetWindowText()));
  syncing_ = false;
}

int ComboView::ShownHeight(int windowHeight) const { return std::min(windowHeight, Widget()->sizeHint().height()); }

// The button opens Qt's own list; what is picked there comes back through
// `activated`.
bool ComboView::DeliverMouse(CWnd&, QObject*, QMouseEvent&) { return false; }

}  // namespace platform::qt
