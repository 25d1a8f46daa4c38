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

constexpr std::array<bool, 256> WhiteSpaceTable() {
  std::array<bool, 256> table{};
  for (char c : kWhiteSpace) table[static_cast<unsigned char>(c)] = true;
  return table;
}
constexpr std::array<bool, 256> kIsWhiteSpace = WhiteSpaceTable();

// What a single pass over a tuple needs to know of each character.
enum class Kind : unsigned char { Other, Comma, Blank, TokeniserOnly };

constexpr std::array<Kind, 256> KindTable() {
  std::array<Kind, 256> table{};
  table[static_cast<unsigned char>(kFieldDelimiter)] = Kind::Comma;
  table[static_cast<unsigned char>(kTupleDelimiter)] = Kind::Blank;
  for (char c : kTokeniserOnly) table[static_cast<unsigned char>(c)] = Kind::TokeniserOnly;
  return table;
}
constexpr std::array<Kind, 256> kKind = KindTable();

// A tuple as one pass sees it: where it ends, where its first two commas
// are, how many commas it has, and whether the tokeniser must read it.
struct TupleShape {
  std::size_t end = 0;
  std::size_t commas = 0;
  std::size_t first = 0;
  std::size_t second = 0;
  bool tokeniserOnly = false;
};

// Scans from `start` to the end of the text or, when `stopAtBlank`, to the
// first blank.
TupleShape Scan(std::string_view text, std::size_t start, bool stopAtBlank) {
  TupleShape shape;
  std::size_t i = start;
  for (; i < text.size(); ++i) {
    const Kind kind = kKind[static_cast<unsigned char>(text[i])];
    if (kind == Kind::Other) continue;
    if (kind == Kind::Blank) {
      if (stopAtBlank) break;
    } else if (kind == Kind::Comma) {
      if (shape.commas == 0) shape.first = i - start;
      if (shape.commas == 1) shape.second = i - start;
      ++shape.commas;
    } else {
      shape.tokeniserOnly = true;
    }
  }
  shape.end = i;
  return shape;
}

// Tuples mostly follow a single blank: a table test beats the general
// search for a character outside a set.
std::size_t SkipWhiteSpace(std::string_view text, std::size_t from) {
  while (from < text.size() && kIsWhiteSpace[static_cast<unsigned char>(text[from])]) ++from;
  return from;
}

// The number of a comma field, as CFieldTokeniser::NextNumber reads it.
double NumberOf(std::string_view field) {
  field.remove_prefix(SkipWhiteSpace(field, 0));
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

bool ReadPlainTuple(std::string_view tuple, const TupleShape& shape, tagXY& position) {
  if (shape.commas != 2) return false;
  position.x = NumberOf(tuple.substr(0, shape.first)) * kRadiansPerDegree;
  position.y = NumberOf(tuple.substr(shape.first + 1, shape.second - shape.first - 1)) * kRadiansPerDegree;
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

// A long text reserves its points once from the tuples read so far rather
// than growing the array by doubling, which on a line of tens of megabytes
// costs more in copies and fresh pages than the parsing. The estimate
// assumes at least 16 characters a tuple ("-1.5,50.25,0 " has 13), so
// whatever the text, no more is reserved than its own size in bytes.
constexpr std::size_t kSampleTuples = 1024;
constexpr std::size_t kLeastBytesPerTuple = 16;

void ReserveForTheRest(std::string_view text, std::size_t done, std::size_t tuples, CXYArray& points) {
  const std::size_t bytesPerTuple = std::max(done / tuples, kLeastBytesPerTuple);
  points.Reserve(points.GetSize() + (text.size() - done) / bytesPerTuple + 1);
}

}  // namespace

bool ReadCoordinateTuple(std::string_view tuple, tagXY& position) {
  const TupleShape shape = Scan(tuple, 0, false);
  return shape.tokeniserOnly ? ReadTokenisedTuple(tuple, position) : ReadPlainTuple(tuple, shape, position);
}

void AppendCoordinateTuples(std::string_view text, CXYArray& points) {
  std::size_t start = 0;
  std::size_t tuples = 0;
  while ((start = SkipWhiteSpace(text, start)) < text.size()) {
    tagXY position;
    bool read = false;
    const TupleShape shape = text[start] == kQuote ? TupleShape{TupleEnd(text, start), 0, 0, 0, true}
                                                   : Scan(text, start, true);
    const std::string_view raw = text.substr(start, shape.end - start);
    if (!shape.tokeniserOnly) {
      // Blanks at the end of a plain tuple are other white space (a tab, a
      // carriage return), which holds no comma: the shape stays right.
      read = ReadPlainTuple(raw, shape, position);
    } else {
      // Quotes and escape markers change the field itself, so the tokeniser
      // takes it before its fields are read.
      read = ReadCoordinateTuple(CFieldTokeniser(raw, kTupleDelimiter).NextField(), position);
    }
    if (read) {
      points.Add(position);
      if (++tuples == kSampleTuples) ReserveForTheRest(text, shape.end, tuples, points);
    }
    start = shape.end;
  }
}
