#include "platform/qt/StaticView.h"

#include <QLabel>

#include "platform/qt/AnsiText.h"
#include "platform/qt/Pixmaps.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Static.h"

namespace platform::qt {
namespace {

Qt::Alignment Alignment(DWORD style) {
  switch (style & SS_TYPEMASK) {
    case SS_CENTER:
      return Qt::AlignHCenter | Qt::AlignTop;
    case SS_RIGHT:
      return Qt::AlignRight | Qt::AlignTop;
    default:
      return Qt::AlignLeft | Qt::AlignTop;
  }
}

// "&&" shows one ampersand; a single one marks the access key, which a
// label does not show.
QString WithoutAccessKeys(QString text) {
  static const QString kPlaceholder(QChar(0xFFFF));
  return text.replace("&&", kPlaceholder).remove('&').replace(kPlaceholder, "&");
}

}  // namespace

StaticView::StaticView(CWnd& window, QWidget* parent) : ControlView(window.m_hWnd, new QLabel(parent)) {
  static_cast<QLabel*>(Widget())->setWordWrap(true);
}

void StaticView::SyncContent(CWnd& window) {
  auto* label = static_cast<QLabel*>(Widget());
  label->setAlignment(Alignment(window.GetStyle()));
  auto* picture = dynamic_cast<CStatic*>(&window);
  if (picture && picture->GetBitmap()) {
    label->setPixmap(QtPixmap(*picture->GetBitmap()));
    return;
  }
  label->setText(WithoutAccessKeys(FromAnsi(window.GetWindowText())));
}

}  // namespace platform::qt
