#pragma once
// Text fields of the host's CSV output: quoted, quotes doubled, and line
// breaks turned into spaces so that a record stays on one line.

#include <string>

namespace host {

std::string OneLine(std::string text);
std::string CsvQuoted(const std::string& text);

}  // namespace host
