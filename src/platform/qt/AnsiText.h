#pragma once
// The window system's text is Windows-1252; Qt's is UTF-16. This is the
// only place text crosses between them, for the backend and for the
// desktop host's chart, which draws the module's names without loading
// the backend (hence inline).

#include <QString>

#include <string>
#include <string_view>

#include "platform/text/CodePage.h"

namespace platform::qt {

inline QString FromAnsi(std::string_view ansi) { return QString::fromStdString(platform::text::Utf8FromAnsi(ansi)); }
// Characters without a Windows-1252 byte become '?'.
inline std::string ToAnsi(const QString& text) { return platform::text::AnsiFromUtf8(text.toStdString()); }

}  // namespace platform::qt
