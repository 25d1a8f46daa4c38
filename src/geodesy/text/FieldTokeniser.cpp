#include "geodesy/text/FieldTokeniser.h"

#include <cfloat>
#include <algorithm>
#include <cstdlib>

#include "frame/ReplaceAll.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kNumberCharacters = "+-0123456789.e?";

void TrimLeft(std::string& text) { text.erase(0, std::min(text.size(), text.find_first_not_of(kWhiteSpace))); }

void TrimRight(std::string& text) {
  const auto last = text.find_last_not_of(kWhiteSpace);
  text.erase(last == std::string::npos ? 0 : last + 1);
}

}  // namespace

CFieldTokeniser::CFieldTokeniser(std::string_view text, char delimiter) : rest_(text), delimiter_(delimiter) {}

std::string CFieldTokeniser::NextField() {
  if (rest_.empty()) {
    atEnd_ = true;
    return {};
  }
  TrimLeft(rest_);
  std::string field;
  if (!rest_.empty() && rest_[0] == '"') {
    const auto close = rest_.find('"', 1);
    field = rest_.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    // Whatever follows the closing quote up to the delimiter is not part of
    // any field.
    const auto delimiter = close == std::string::npos ? std::string::npos : rest_.find(delimiter_, close + 1);
    rest_.erase(0, delimiter == std::string::npos ? rest_.size() : delimiter);
  } else {
    const auto delimiter = rest_.find(delimiter_);
    field = rest_.substr(0, delimiter);
    rest_.erase(0, delimiter == std::string::npos ? rest_.size() : delimiter);
  }
  TrimLeft(rest_);
  if (!rest_.empty() && rest_[0] == delimiter_) rest_.erase(0, 1);
  TrimRight(field);
  ReplaceAll(field, "\xAB" "CR>\xBB", "\r");
  ReplaceAll(field, "\xAB" "LF>\xBB", "\n");
  ReplaceAll(field, "\xAB" "COMMA>\xBB", std::string_view(&delimiter_, 1));
  return field;
}

double CFieldTokeniser::NextNumber() {
  const std::string field = NextField();
  const std::string span = field.substr(0, field.find_first_not_of(kNumberCharacters));
  if (span.empty() || span.find('?') != std::string::npos) return DBL_MAX;
  return std::strtod(span.c_str(), nullptr);
}
