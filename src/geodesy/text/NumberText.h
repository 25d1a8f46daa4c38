#pragma once
// Small functions on the text of numbers, shared by the number edit
// fields, the KML reader and the wreck dialogs. Text is Windows-1252.

#include <string>
#include <string_view>

#include "frame/Api.h"

// A number in a field of `width` characters: the value is held between the
// largest and smallest texts the field can show (width nines, with the
// decimal point and a leading '+' or '-' in place), then printed with
// "%[+][0]<width>.<decimals>lf". Negative decimals mean 2; `showPlus` puts
// '+' before positive values and `zeroPadded` fills the width with zeros. A
// field of too few places for a minus sign and two digits holds no negative
// values. A width of 0 or less gives the empty text.
OVERLAYS_API std::string FormatBoundedNumber(double value, int width, int decimals, bool showPlus, bool zeroPadded);

// The number of lines: each '\n' ends one, and text after the last '\n'
// is one more. An empty text has none.
OVERLAYS_API int CountLines(std::string_view text);

OVERLAYS_API bool IsDigit(char ch);
// 0..15 for '0'..'9', 'A'..'F' and 'a'..'f'; 0 for any other character.
OVERLAYS_API int HexDigit(char ch);
// The byte two hexadecimal characters spell, the first the high nibble.
OVERLAYS_API unsigned char HexByte(char high, char low);

// "12.500" -> "12.5", "12.000" -> "12": trailing zeros and blanks of a
// text with a decimal point go, and then a point left at the end. The first
// character always stays. Text without a point is left as it is.
OVERLAYS_API std::string TrimTrailingZeros(std::string_view text);
