#pragma once
// The text of angles: every latitude, longitude, bearing and other angle the
// overlays show or accept. Values are radians; text is Windows-1252 with the
// degree sign as the byte 0xB0.
//
// Formats (by index):
//   0  DDD MM SS.SSS Q   degrees, minutes, seconds and the hemisphere letter
//   1  DDD MM.MMMMM Q    degrees, decimal minutes
//   2  DDD.DDDDDDDD Q    decimal degrees
//   3  ±DDD.DDDDDDDD     signed decimal degrees, no letter
//   4  GRADIANS
//   5  not a format: the user's settings for the kind decide
// When a unit symbol directly follows the decimals, it is shown in front of
// the decimal point instead: 30 minutes and 0.123 reads 30'.123.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "frame/Api.h"
#include "geodesy/angle/AngleKind.h"

// The display names of formats 0..4, for choosers (\261 is the plus-minus
// sign of the code page).
inline constexpr const char* kAngleFormatNames[kAngleFormatCount] = {
    "DDD MM SS.SSS Q", "DDD MM.MMMMM Q", "DDD.DDDDDDDD Q", "\261DDD.DDDDDDDD", "GRADIANS"};

// The value that stands for "no angle": it formats as the empty text.
inline constexpr double kNoAngle = 1.79769313486231570815e+308;  // DBL_MAX
// The value that stands for "not available": it formats as "n/a".
inline constexpr double kAngleNotAvailable = -1.0;

// Text of an angle. `decimals` outside 0..32 take the default (5 for format
// 0, 7 for format 1, 9 for the others; always 2 for kinds 7 to 9).
// `hemisphere` is the letter a latitude or longitude of exactly 0 shows (0
// for the kind's own, N or E). An unknown kind or format, and a value too
// large for a whole number of degrees or not finite, give the empty text.
OVERLAYS_API std::string FormatAngle(double radians, int kind, int format, int decimals = -1, char hemisphere = 0);

// Radians of typed text: degrees, minutes and seconds with or without their
// symbols, decimal degrees with "." or ",", gradians ("g"), a sign, and for
// kinds 5 and 6 a hemisphere letter. Text that does not parse or lies
// outside the kind's range gives 0 (a quarter turn for kind 4).
OVERLAYS_API double ParseAngle(std::string_view text, int kind);
// The same, but none for the text ParseAngle reads as 0: an unknown kind,
// text without a digit, or a value beyond the kind's range. Hosts use it to
// tell a refused text from a typed zero.
OVERLAYS_API std::optional<double> TryParseAngle(std::string_view text, int kind);

// The largest text of a kind and format (it sizes and masks an edit field)
// and the limit text: the largest whole value plus one, in the kind's degree
// width, without its trailing zeros (9 for latitudes, 18 for longitudes).
struct AngleMask {
  std::string text;
  std::string limit;
};
OVERLAYS_API AngleMask AngleTemplateText(int kind, int format, int decimals);
// The same into caller buffers (either may be null; texts longer than a
// buffer are cut to fit, always terminated). Returns the template's length.
OVERLAYS_API int AngleTemplate(int kind, int format, char* text, std::size_t textSize, int decimals,
                               char* limit = nullptr, std::size_t limitSize = 0);

// The upper-case letter for N, S, E or W in either case, else 0.
OVERLAYS_API char HemisphereLetter(char ch);

// Decimals used for a kind and format when the caller's count is outside
// 0..32.
int DefaultAngleDecimals(int kind, int format);
