#pragma once
// Reads delimited fields one at a time: comma-separated values, and the
// blank-separated coordinate tuples of KML. A field may be quoted ("a, b"
// is one field); blanks around fields are dropped; the markers "«CR>»",
// "«LF>»" and "«COMMA>»" inside a field stand for a carriage return, a line
// feed and the delimiter.

#include <cstddef>
#include <string>
#include <string_view>

#include "frame/Api.h"

class OVERLAYS_API CFieldTokeniser {
 public:
  explicit CFieldTokeniser(std::string_view text, char delimiter = ',');

  // The next field; the empty text, with AtEnd() then true, when nothing is
  // left.
  std::string NextField();
  // The number at the start of the next field (its leading run of
  // "+-0123456789.e?"); the largest finite double stands for a field with no
  // number or with a '?' in it.
  double NextNumber();

  bool AtEnd() const { return end_; }
  // Fields left: the delimiters in the text still to be read, plus one; 0
  // when nothing is left.
  std::size_t FieldCount() const;
  const std::string& Remaining() const { return rest_; }

 private:
  std::string TakeQuotedField();
  std::string TakePlainField();
  void SkipDelimiter();

  std::string rest_;
  char delimiter_;
  std::string delimiterText_;       // "%c"
  std::string delimiterSpaceText_;  // "%c "
  bool end_ = false;
};
