#pragma once
// The number field's rules for typing, cutting and pasting, kept apart from
// any window so that every rule can be tried on its own. Each function takes
// the field's layout, its text and its selection (character indexes, in
// either order, clamped to the text) and gives the text and caret the field
// shows next. Text is Windows-1252 and includes the units suffix when the
// field shows one.
//
// The free layout is an overtype field with at most `integerDigits`
// characters before the point (a sign counts) and `decimals` after it. The
// fixed layout keeps the shape of a zero-padded value: the point sits at
// index `integerDigits`, and digits overwrite the zeros.

#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "frame/Api.h"

struct NumberLayout {
  int decimals = 3;             // digits after the point; 0 for whole numbers
  bool plusSign = false;        // positive values carry '+'
  bool negativeAllowed = true;  // '-' may be typed at the start
  bool fixedLayout = false;
  bool checkMinimum = false;  // refuse digits that take the value below minimum
  bool checkMaximum = false;  // refuse digits that take the value above maximum
  double minimum = 0.0;
  double maximum = 0.0;
  int integerDigits = 8;
  std::string units{};     // appended to shown values; bring its own leading blank
  int maxCharacters = 12;  // the text limit, units not counted
};

// The value that stands for "no value"; it shows as "n/a".
inline constexpr double kNoNumber = std::numeric_limits<double>::max();

struct NumberEdit {
  std::string text;
  int caret = 0;  // within the text: 0 to its length
  bool operator==(const NumberEdit&) const = default;
};

struct NumberCut {
  NumberEdit edit;
  // The selected text; empty when nothing was selected, and then the
  // clipboard is better left as it was.
  std::string clipboard;
};

// The text shown for a value: formatted to the field's width, decimals, sign
// and padding, units appended, blanks trimmed; "n/a" for kNoNumber (and NaN,
// which no field can mean as a number).
OVERLAYS_API std::string NumberValueText(const NumberLayout& layout, double value);

// The value a text holds, read as C's atof reads it: the leading number,
// 0 when there is none. NaN reads as 0 too, so that a pasted "nan" is no
// value the field could hold but never show.
OVERLAYS_API double NumberTextValue(std::string_view text);

// One typed character: the selection is deleted first and the key acts at
// its start. Nothing when the key is refused or has no rule; then the text
// and the selection stay as they were. Only codes from 3 to '9' have rules;
// Ctrl+C, Ctrl+V and Ctrl+X (3, 22, 24) are the window's to act on, through
// the clipboard, so they get nothing here.
OVERLAYS_API std::optional<NumberEdit> TypeNumberCharacter(const NumberLayout& layout, std::string_view text,
                                                           int selStart, int selEnd, char ch);

// Cut: the selection goes to the clipboard and what is left is made a
// well-formed number again (the zero value's characters fill a fixed
// layout; a free layout gets its sign and leading zero back).
OVERLAYS_API NumberCut CutNumberSelection(const NumberLayout& layout, std::string_view text, int selStart, int selEnd);

// Paste: the clipboard text goes in at the selection, as much as the field
// has room for, and the value that results is shown formatted. Nothing when
// there is no room or no text.
OVERLAYS_API std::optional<NumberEdit> PasteIntoNumber(const NumberLayout& layout, std::string_view text, int selStart,
                                                       int selEnd, std::string_view clipboard);

// The text a field shows when it gains the focus: a text the field could not
// have made (longer than its limit and units) restarts from zero. When it
// loses the focus it shows NumberValueText of its text's NumberTextValue.
OVERLAYS_API std::string NumberTextOnFocusGain(const NumberLayout& layout, std::string_view text);
