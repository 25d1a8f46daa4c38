#include "geodesy/text/FieldTokeniser.h"

#include <algorithm>
#include <cfloat>
#include <cstdlib>

#include "frame/FormatText.h"
#include "frame/ReplaceAll.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr std::string_view kNumberCharacters = "+-0123456789.e?";
constexpr char kUnknownNumber = '?';

void TrimLeft(std::string& text) { text.erase(0, std::min(text.find_first_not_of(kWhiteSpace), text.size())); }

void TrimRight(std::string& text) {
  const auto last = text.find_last_not_of(kWhiteSpace);
  text.erase(last == std::string::npos ? 0 : last + 1);
}

}  // namespace

CFieldTokeniser::CFieldTokeniser(std::string_view text, char delimiter)
    : rest_(text),
      delimiter_(delimiter),
      delimiterText_(FormatText("%c", delimiter)),
      delimiterSpaceText_(FormatText("%c ", delimiter)) {}

std::size_t CFieldTokeniser::FieldCount() const {
  if (rest_.empty()) return 0;
  return static_cast<std::size_t>(std::count(rest_.begin(), rest_.end(), delimiter_)) + 1;
}

std::string CFieldTokeniser::TakeQuotedField() {
  rest_.erase(0, 1);
  const auto close = rest_.find('"');
  std::string field = rest_.substr(0, close);
  rest_.erase(0, close == std::string::npos ? rest_.size() : close + 1);
  // Whatever stands between the closing quote and the delimiter is dropped.
  rest_.erase(0, std::min(rest_.find(delimiter_), rest_.size()));
  return field;
}

std::string CFieldTokeniser::TakePlainField() {
  const auto at = std::min(rest_.find(delimiter_), rest_.size());
  std::string field = rest_.substr(0, at);
  rest_.erase(0, at);
  return field;
}

void CFieldTokeniser::SkipDelimiter() {
  if (rest_.starts_with(delimiterSpaceText_))
    rest_.erase(0, delimiterSpaceText_.size());
  else if (rest_.starts_with(delimiterText_))
    rest_.erase(0, delimiterText_.size());
}

std::string CFieldTokeniser::NextField() {
  if (rest_.empty()) {
    end_ = true;
    return {};
  }
  TrimLeft(rest_);
  std::string field = rest_.starts_with('"') ? TakeQuotedField() : TakePlainField();
  TrimLeft(rest_);
  SkipDelimiter();
  TrimRight(field);
  ReplaceAll(field, "\xAB" "CR>\xBB", "\r");
  ReplaceAll(field, "\xAB" "LF>\xBB", "\n");
  ReplaceAll(field, "\xAB" "COMMA>\xBB", delimiterText_);
  return field;
}

double CFieldTokeniser::NextNumber() {
  const std::string field = NextField();
  const std::string number = field.substr(0, std::min(field.find_first_not_of(kNumberCharacters), field.size()));
  if (number.empty() || number.find(kUnknownNumber) != std::string::npos) return DBL_MAX;
  return std::strtod(number.c_str(), nullptr);
}
