#pragma once
// The typing rules of the angle fields. An angle field always shows a whole
// formatted angle; keys only overwrite digit slots, jump between fields or
// flip the sign or hemisphere, so the text can never be ill-formed. These
// functions hold the rules apart from any window: the field hands them its
// text and selection and shows what they return.

#include <optional>
#include <string>
#include <string_view>

#include "frame/Api.h"

// The shape of every text a field of one kind shows in one format.
struct AngleFieldLayout {
  int kind = 0;
  int format = 0;
  int decimals = 0;
  // The default hemisphere letter (latitudes and longitudes), else 0.
  char hemisphere = 0;
  // The largest text of the kind: its digits bound the digits typed under
  // them, its other characters are separators, a leading '+' marks the
  // sign slot and a trailing 'N' or 'E' the hemisphere slot.
  std::string mask;
  // The kind's largest whole degrees plus one, without trailing zeros
  // ("9" for latitudes): typing it fills every later digit with zero.
  std::string limit;
  // The text of a zero angle, where cleared slots take their characters.
  std::string zero;

  bool HasSign() const { return !mask.empty() && mask.front() == '+'; }
  // 'N', 'E' or 0: which letters the hemisphere slot takes.
  char HemisphereSlot() const;
  bool IsDigitSlot(int position) const;
  bool IsHemisphereSlot(int position) const;
};

// The layout of a field of `kind` in the user's `format` and `decimals`.
// Kinds shown in decimal degrees only use format 2 with their own
// decimals, whatever the user chose.
OVERLAYS_API AngleFieldLayout AngleFieldLayoutFor(int kind, int format, int decimals, char hemisphere);

struct AngleFieldEdit {
  std::string text;
  int caret = 0;
};

// What a typed character (Backspace, Space, '"', '\'', '.', a sign, a digit
// or a hemisphere letter) makes of the text with the selection
// [start, end); none when the field drops the character. Clipboard
// characters are the field's own.
OVERLAYS_API std::optional<AngleFieldEdit> TypeAngleCharacter(const AngleFieldLayout& layout, std::string_view text,
                                                              int start, int end, char ch);

// The text with [start, end) set back to the zero value's characters.
OVERLAYS_API std::string ClearAngleSelection(const AngleFieldLayout& layout, std::string_view text, int start,
                                             int end);

// The text a paste of `clipboard` at the selection [start, end) reads from:
// it replaces the selection, or with none the characters from the caret to
// two before the end (keeping the hemisphere letter), at most as many as
// the clipboard holds. None when that leaves nothing to replace.
OVERLAYS_API std::optional<std::string> PasteIntoAngleText(std::string_view text, int start, int end,
                                                           std::string_view clipboard);

// Where a click at `position` leaves the caret: on the first slot from
// there on.
OVERLAYS_API int AngleSlotFrom(const AngleFieldLayout& layout, int position);
