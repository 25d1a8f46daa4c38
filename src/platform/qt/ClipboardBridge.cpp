#include "platform/qt/ClipboardBridge.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/AnsiText.h"
#include "platform/ui/Clipboard.h"

namespace platform::qt {

ClipboardBridge::ClipboardBridge() {
  published_ = platform::ui::Clipboard::GetText();
  connection_ = QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                                 [this] { TakeFromDesktop(); });
  TakeFromDesktop();
}

ClipboardBridge::~ClipboardBridge() { QObject::disconnect(connection_); }

void ClipboardBridge::TakeFromDesktop() {
  const QString text = QGuiApplication::clipboard()->text();
  if (text.isEmpty()) return;
  published_ = ToAnsi(text);
  platform::ui::Clipboard::SetText(*published_);
}

void ClipboardBridge::PublishToDesktop() {
  std::optional<std::string> text = platform::ui::Clipboard::GetText();
  if (text == published_) return;
  published_ = std::move(text);
  if (published_) QGuiApplication::clipboard()->setText(FromAnsi(*published_));
}

}  // namespace platform::qt
