#pragma once
// Reads delimited fields one at a time from a line of text: KML coordinate
// tuples, comma-separated records. Quoted fields may hold the delimiter;
// the escape markers of the settings files ("\xABCR>\xBB", "\xABLF>\xBB",
// "\xABCOMMA>\xBB") are turned back into the characters they stand for.

#include <string>
#include <string_view>

class CFieldTokeniser {
 public:
  explicit CFieldTokeniser(std::string_view text, char delimiter = ',');

  // The next field, trimmed of white space; empty, with the end flag set,
  // once nothing is left.
  std::string NextField();

  // The number that the leading run of "+-0123456789.e?" of the next field
  // spells; the largest finite double when that run is empty or holds '?'
  // (a value the sender did not know).
  double NextNumber();

  bool AtEnd() const { return atEnd_; }
  const std::string& Remaining() const { return rest_; }

 private:
  std::string rest_;
  char delimiter_;
  bool atEnd_ = false;
};
