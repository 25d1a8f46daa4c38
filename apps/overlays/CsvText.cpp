#include "CsvText.h"

namespace host {

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

std::string CsvQuoted(const std::string& text) {
  std::string out = "\"";
  for (char c : OneLine(text)) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace host
