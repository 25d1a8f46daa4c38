#include "platform/qt/AnsiText.h"

#include "platform/text/CodePage.h"

namespace platform::qt {

QString FromAnsi(std::string_view ansi) { return QString::fromStdString(platform::text::Utf8FromAnsi(ansi)); }

std::string ToAnsi(const QString& text) { return platform::text::AnsiFromUtf8(text.toStdString()); }

}  // namespace platform::qt
