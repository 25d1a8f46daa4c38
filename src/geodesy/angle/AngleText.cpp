#include "geodesy/angle/AngleText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>

#include "frame/FormatText.h"
#include "geodesy/angle/AngleSettings.h"
#include "geodesy/angle/AngleUnits.h"

namespace {

constexpr int kMaxDecimals = 32;
// The seconds carry limit is read from text; more nines than this are
// beyond what a double tells apart from 60.
constexpr int kMaxCarryNines = 21;
// Whole degrees are printed as an int.
constexpr double kLargestWholeDegrees = 2147483647.0;

constexpr int kDefaultDecimalsByFormat[kAngleFormatCount] = {5, 7, 9, 9, 9};

// Patterns of the formats; %c is the hemisphere letter (a letter of 0 ends
// the text there, as it ends a C string).
constexpr char kDegreesMinutesSecondsPattern[] = "%0*d\xB0 %02d' %0*.*lf\"%c";
constexpr char kDegreesMinutesPattern[] = "%0*d\xB0 %0*.*lf'%c";
constexpr char kDecimalDegreesPattern[] = "%0*.*lf\xB0%c";
constexpr char kUnsignedDegreesPattern[] = "%0*.*lf\xB0";
constexpr char kSignedDegreesPattern[] = "%+0*.*lf\xB0";
constexpr char kGradiansPattern[] = "%0*.*lfg%c";

constexpr char kUnitSymbols[] = "\xB0'\"g";

// What one format needs of an angle already reduced to its kind.
struct AngleToFormat {
  double radians;  // signed
  int decimals;
  int digits;   // of the degrees field
  bool signedValue;  // printed with its own sign (format 3)
  char letter;  // hemisphere letter, or 0
};

// Degrees, minutes and seconds of a non-negative number of degrees, with
// the seconds carried into the minutes (and on into the degrees) when they
// would print as 60 at this many decimals.
struct Sexagesimal {
  int degrees;
  int minutes;
  double seconds;
};

double SecondsCarryLimit(int decimals) {
  const std::string text = "59." + std::string(std::min(decimals, kMaxCarryNines), '9') + "5";
  return std::strtod(text.c_str(), nullptr);
}

Sexagesimal SplitDegrees(double degrees, int decimals) {
  const double whole = std::floor(degrees);
  const double minutes = (degrees - whole) * 60.0;
  const double wholeMinutes = std::floor(minutes);
  Sexagesimal parts{static_cast<int>(whole), static_cast<int>(wholeMinutes), (minutes - wholeMinutes) * 60.0};
  if (parts.seconds > SecondsCarryLimit(decimals)) {
    parts.seconds = 0.0;
    if (++parts.minutes > 59) {
      parts.minutes = 0;
      ++parts.degrees;
    }
  }
  return parts;
}

int SexagesimalWidth(int decimals) { return decimals == 0 ? 2 : decimals + 3; }
int DecimalWidth(int digits, int decimals) { return decimals == 0 ? digits : digits + 1 + decimals; }
double AbsoluteDegrees(const AngleToFormat& a) { return std::fabs(a.radians) * kDegreesPerRadian; }

std::string FormatDegreesMinutesSeconds(const AngleToFormat& a) {
  const Sexagesimal s = SplitDegrees(AbsoluteDegrees(a), a.decimals);
  return FormatText(kDegreesMinutesSecondsPattern, a.digits, s.degrees, s.minutes, SexagesimalWidth(a.decimals),
                    a.decimals, s.seconds, a.letter);
}

std::string FormatDegreesMinutes(const AngleToFormat& a) {
  const Sexagesimal s = SplitDegrees(AbsoluteDegrees(a), a.decimals);
  return FormatText(kDegreesMinutesPattern, a.digits, s.degrees, SexagesimalWidth(a.decimals), a.decimals,
                    s.minutes + s.seconds / 60.0, a.letter);
}

std::string FormatDecimalDegrees(const AngleToFormat& a) {
  return FormatText(kDecimalDegreesPattern, DecimalWidth(a.digits, a.decimals), a.decimals, AbsoluteDegrees(a),
                    a.letter);
}

std::string FormatSignedDegrees(const AngleToFormat& a) {
  const int width = DecimalWidth(a.digits, a.decimals);
  if (a.signedValue) return FormatText(kSignedDegreesPattern, width, a.decimals, a.radians * kDegreesPerRadian);
  return FormatText(kUnsignedDegreesPattern, width, a.decimals, AbsoluteDegrees(a));
}

std::string FormatGradians(const AngleToFormat& a) {
  return FormatText(kGradiansPattern, a.digits + 1 + a.decimals, a.decimals, std::fabs(a.radians) * kGradiansPerRadian,
                    a.letter);
}

using AngleFormatter = std::string (*)(const AngleToFormat&);
constexpr AngleFormatter kFormatters[kAngleFormatCount] = {
    FormatDegreesMinutesSeconds, FormatDegreesMinutes, FormatDecimalDegrees, FormatSignedDegrees, FormatGradians,
};


// A %c of 0 puts a NUL into the text; everything from it on is not shown.
void CutAtNul(std::string& text) { text.resize(std::strlen(text.c_str())); }

// "030'.123" rather than "030.123'": a unit symbol directly after the
// decimals goes in front of the decimal point.
void MoveUnitSymbol(std::string& text) {
  const auto point = text.find('.');
  if (point == std::string::npos) return;
  const auto end = text.find_first_not_of("0123456789", point + 1);
  if (end == std::string::npos || !std::strchr(kUnitSymbols, text[end])) return;
  const char symbol = text[end];
  text.erase(end, 1);
  text.insert(point, 1, symbol);
}

void PutSignInFront(std::string& text, char sign) {
  if (text.empty() || text.front() != sign) text.insert(text.begin(), sign);
}

char SignCharacter(double radians) { return radians >= 0.0 ? '+' : '-'; }

char HemisphereOf(const AngleKindDef& kind, double radians, char zeroLetter) {
  const bool latitude = kind.sign == AngleSign::Latitude;
  if (!latitude && kind.sign != AngleSign::Longitude) return 0;
  if (radians == 0.0 && HemisphereLetter(zeroLetter)) return HemisphereLetter(zeroLetter);
  if (radians < 0.0) return latitude ? 'S' : 'W';
  return latitude ? 'N' : 'E';
}

int ValidDecimals(int kind, int format, int decimals) {
  return decimals < 0 || decimals > kMaxDecimals ? DefaultAngleDecimals(kind, format) : decimals;
}

// Format 5 hands format, decimals and the hemisphere letter to the user's
// settings for the kind.
void ApplySettingsWhenAsked(int kind, int& format, int& decimals, char& hemisphere) {
  if (format != kAngleFormatFromSettings) return;
  const AngleSettings settings = ReadAngleSettings(kind);
  format = settings.format;
  decimals = settings.decimals;
  hemisphere = settings.hemisphere;
}

}  // namespace

int DefaultAngleDecimals(int kind, int format) {
  const AngleKindDef* def = FindAngleKind(kind);
  if (def && def->fixedDefaultDecimals >= 0) return def->fixedDefaultDecimals;
  return IsAngleFormat(format) ? kDefaultDecimalsByFormat[format] : kDefaultDecimalsByFormat[0];
}

char HemisphereLetter(char ch) {
  switch (ch) {
    case 'N': case 'n': return 'N';
    case 'S': case 's': return 'S';
    case 'E': case 'e': return 'E';
    case 'W': case 'w': return 'W';
    default: return 0;
  }
}

std::string FormatAngle(double radians, int kind, int format, int decimals, char hemisphere) {
  ApplySettingsWhenAsked(kind, format, decimals, hemisphere);
  const AngleKindDef* def = FindAngleKind(kind);
  if (!def || !IsAngleFormat(format)) return {};
  decimals = ValidDecimals(kind, format, decimals);
  if (radians == kNoAngle) return {};
  if (radians == kAngleNotAvailable) return "n/a";
  if (def->fromQuarterTurn) radians = std::numbers::pi / 2.0 - radians;
  radians += 0.0;  // -0 shows as 0, never as "-0"
  if (!(std::fabs(radians * kDegreesPerRadian) < kLargestWholeDegrees)) return {};

  const AngleToFormat angle{radians, decimals, def->degreeDigits[format], def->sign != AngleSign::None,
                            HemisphereOf(*def, radians, hemisphere)};
  std::string text = kFormatters[format](angle);
  CutAtNul(text);
  if (def->sign == AngleSign::Leading) PutSignInFront(text, SignCharacter(radians));
  MoveUnitSymbol(text);
  return text;
}

AngleMask AngleTemplateText(int kind, int format, int decimals) {
  char unusedLetter = 0;
  ApplySettingsWhenAsked(kind, format, decimals, unusedLetter);
  const AngleKindDef* def = FindAngleKind(kind);
  if (!def || !IsAngleFormat(format)) return {};
  decimals = ValidDecimals(kind, format, decimals);
  const int digits = def->degreeDigits[format];
  const char letter = def->sign == AngleSign::Latitude ? 'N' : def->sign == AngleSign::Longitude ? 'E' : 0;
  const int largest = format == 4 ? def->templateGradians : def->templateDegrees;
  const double lastStep = std::pow(10.0, -decimals);

  AngleMask mask;
  if (format == 0) {
    mask.text = FormatText(kDegreesMinutesSecondsPattern, digits, largest, 59, SexagesimalWidth(decimals), decimals,
                           decimals == 0 ? 59.0 : 60.0 - lastStep, letter);
  } else if (format == 1) {
    mask.text = FormatText(kDegreesMinutesPattern, digits, largest, SexagesimalWidth(decimals), decimals,
                           decimals == 0 ? 59.0 : 60.0 - lastStep, letter);
  } else {
    mask.text = FormatText(kDecimalDegreesPattern, DecimalWidth(digits, decimals), decimals,
                           decimals == 0 ? largest : largest + 1.0 - lastStep, letter);
  }
  CutAtNul(mask.text);
  if (def->sign == AngleSign::Leading) mask.text.insert(mask.text.begin(), '+');
  MoveUnitSymbol(mask.text);

  mask.limit = FormatText("%0*d", digits, largest + 1);
  mask.limit.erase(mask.limit.find_last_not_of('0') + 1);
  return mask;
}

int AngleTemplate(int kind, int format, char* text, std::size_t textSize, int decimals, char* limit,
                  std::size_t limitSize) {
  const AngleMask mask = AngleTemplateText(kind, format, decimals);
  const auto copy = [](const std::string& from, char* to, std::size_t size) {
    if (!to || size == 0) return;
    const std::size_t n = std::min(from.size(), size - 1);
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
  };
  copy(mask.text, text, textSize);
  copy(mask.limit, limit, limitSize);
  return static_cast<int>(mask.text.size());
}
