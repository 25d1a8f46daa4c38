#include "kml/CoordinateText.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cstdlib>
#include <string>

#include "geodesy/text/FieldTokeniser.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
constexpr char kTupleDelimiter = ' ';
constexpr char kFieldDelimiter = ',';
constexpr char kQuote = '"';
constexpr char kUnknownNumber = '?';
// A double quote or the first byte of an escape marker ('«') makes a tuple
// one for the tokeniser's full rules.
constexpr std::string_view kTokeniserOnly = "\"\xAB";

constexpr std::array<bool, 256> NumberCharacterTable() {
  std::array<bool, 256> table{};
  for (char c : std::string_view("+-0123456789.e?")) table[static_cast<unsigned char>(c)] = true;
  return table;
}
constexpr std::array<bool, 256> kNumberCharacter = NumberCharacterTable();

std::string_view TrimLeft(std::string_view text) {
  return text.substr(std::min(text.find_first_not_of(kWhiteSpace), text.size()));
}

std::string_view TrimRight(std::string_view text) {
  const auto last = text.find_last_not_of(kWhiteSpace);
  return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// The number of a comma field, as CFieldTokeniser::NextNumber reads it.
double NumberOf(std::string_view field) {
  field = TrimLeft(field);
  std::size_t length = 0;
  while (length < field.size() && kNumberCharacter[static_cast<unsigned char>(field[length])]) ++length;
  const std::string_view run = field.substr(0, length);
  if (run.empty() || run.find(kUnknownNumber) != std::string_view::npos) return DBL_MAX;
  // from_chars gives strtod's value for every run it accepts and is several
  // times faster; a leading '+', a run that is no number at all (strtod
  // gives 0) and values out of range are left to strtod itself.
  double value = 0.0;
  if (run[0] != '+') {
    const auto [end, error] = std::from_chars(run.data(), run.data() + run.size(), value);
    if (error == std::errc()) return value;
  }
  return std::strtod(std::string(run).c_str(), nullptr);
}

bool ReadPlainTuple(std::string_view tuple, tagXY& position) {
  const auto first = tuple.find(kFieldDelimiter);
  if (first == std::string_view::npos) return false;
  const auto second = tuple.find(kFieldDelimiter, first + 1);
  if (second == std::string_view::npos || tuple.find(kFieldDelimiter, second + 1) != std::string_view::npos)
    return false;
  position.x = NumberOf(tuple.substr(0, first)) * kRadiansPerDegree;
  position.y = NumberOf(tuple.substr(first + 1, second - first - 1)) * kRadiansPerDegree;
  return true;
}

bool ReadTokenisedTuple(std::string_view tuple, tagXY& position) {
  CFieldTokeniser fields(tuple, kFieldDelimiter);
  if (fields.FieldCount() != 3) return false;
  position.x = fields.NextNumber() * kRadiansPerDegree;
  position.y = fields.NextNumber() * kRadiansPerDegree;
  return true;
}

// Where the blank-delimited field starting at `start` (not white space)
// ends: at the next blank, or for a quoted field at the first blank after
// its closing quote.
std::size_t TupleEnd(std::string_view text, std::size_t start) {
  std::size_t from = start;
  if (text[start] == kQuote) {
    const auto close = text.find(kQuote, start + 1);
    if (close == std::string_view::npos) return text.size();
    from = close + 1;
  }
  return std::min(text.find(kTupleDelimiter, from), text.size());
}

}  // namespace

bool ReadCoordinateTuple(std::string_view tuple, tagXY& position) {
  if (tuple.find_first_of(kTokeniserOnly) != std::string_view::npos) return ReadTokenisedTuple(tuple, position);
  return ReadPlainTuple(tuple, position);
}

void AppendCoordinateTuples(std::string_view text, CXYArray& points) {
  std::size_t start = 0;
  while ((start = text.find_first_not_of(kWhiteSpace, start)) != std::string_view::npos) {
    const std::size_t end = TupleEnd(text, start);
    const std::string_view raw = text.substr(start, end - start);
    tagXY position;
    bool read = false;
    if (raw.find_first_of(kTokeniserOnly) == std::string_view::npos) {
      read = ReadPlainTuple(TrimRight(raw), position);
    } else {
      // Quotes and escape markers change the field itself, so the tokeniser
      // takes it before its fields are read.
      read = ReadCoordinateTuple(CFieldTokeniser(raw, kTupleDelimiter).NextField(), position);
    }
    if (read) points.Add(position);
    start = end;
  }
}
