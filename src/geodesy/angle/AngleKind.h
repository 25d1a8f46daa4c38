#pragma once
// The nine angle kinds. A kind fixes the range of an angle, how its sign is
// shown and how many digits its degrees take; every function of the angle
// text takes one as its first argument.

#include <cstddef>

// How the sign of an angle appears in its text.
enum class AngleSign {
  None,       // never negative in use: no sign shown
  Leading,    // '+' or '-' in front
  Latitude,   // hemisphere letter N or S after the value
  Longitude,  // hemisphere letter E or W after the value
};

inline constexpr int kAngleFormatCount = 5;  // formats 0..4
// Not a format: the user's settings for the kind decide.
inline constexpr int kAngleFormatFromSettings = 5;

inline constexpr bool IsAngleFormat(int format) { return format >= 0 && format < kAngleFormatCount; }

struct AngleKindDef {
  int kind;
  AngleSign sign;
  // Text above these parses to 0 (degrees, and gradians).
  int degreeLimit;
  int gradianLimit;
  // The largest whole value an edit field of the kind must hold.
  int templateDegrees;
  int templateGradians;
  // Decimals used when the caller's count is out of range; -1 when the
  // format decides.
  int fixedDefaultDecimals;
  // Edit fields show the kind in decimal degrees whatever the user chose.
  bool decimalDegreesOnly;
  // Digits of the degrees field, by format 0..4.
  int degreeDigits[kAngleFormatCount];
  // Held as a quarter turn minus the value shown (zenith and elevation).
  bool fromQuarterTurn;
};

// The definition of a kind, or null for a number outside 1..9.
const AngleKindDef* FindAngleKind(int kind);
