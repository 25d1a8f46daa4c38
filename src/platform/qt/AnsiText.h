#pragma once
// The window system's text is Windows-1252; Qt's is UTF-16. This is the
// only place the backend crosses between them.

#include <QString>

#include <string>
#include <string_view>

namespace platform::qt {

QString FromAnsi(std::string_view ansi);
// Characters without a Windows-1252 byte become '?'.
std::string ToAnsi(const QString& text);

}  // namespace platform::qt
