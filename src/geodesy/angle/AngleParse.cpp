#include <cmath>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <string>

#include "frame/ReplaceAll.h"
#include "geodesy/angle/AngleText.h"
#include "geodesy/angle/AngleUnits.h"

namespace {

constexpr int kFieldCount = 3;  // degrees, minutes, seconds

// Typed text reduced to what the scan reads: the unit symbols become field
// separators, and the separators the formatter leaves around them fold
// away, so that "52° 30' 15\".5N" scans like "52 30 15.5N".
std::string Normalise(std::string_view text) {
  std::string plain(text);
  for (char& c : plain)
    if (c == '\xB0' || c == '\'' || c == '"' || c == 'g') c = ' ';
  ReplaceAll(plain, "  ", " ");
  ReplaceAll(plain, " .", ".");
  return plain;
}

bool HoldsDegreeSymbols(std::string_view text) { return text.find_first_of("\xB0'\"") != std::string_view::npos; }

// The sign a hemisphere letter gives a kind: +1, -1, or 0 when the letter
// is not one of the kind's.
int HemisphereSign(const AngleKindDef& kind, char c) {
  const char letter = HemisphereLetter(c);
  if (kind.sign == AngleSign::Latitude) return letter == 'N' ? 1 : letter == 'S' ? -1 : 0;
  if (kind.sign == AngleSign::Longitude) return letter == 'E' ? 1 : letter == 'W' ? -1 : 0;
  return 0;
}

struct ScannedAngle {
  std::string fields[kFieldCount];
  bool negative = false;
};

ScannedAngle Scan(const std::string& text, const AngleKindDef& kind) {
  ScannedAngle scan;
  const bool commaIsPoint = text.find('.') == std::string::npos;
  int field = 0;
  for (char c : text) {
    if (c == ',' && commaIsPoint) c = '.';
    const bool started = field > 0 || !scan.fields[0].empty();
    if ((c >= '0' && c <= '9') || c == '.') {
      if (field < kFieldCount) scan.fields[field] += c;
    } else if (c == '-') {
      scan.negative = true;
    } else if (c == '+' && !started) {
      // a sign in front is allowed and changes nothing
    } else if (const int sign = HemisphereSign(kind, c); sign != 0 && started) {
      if (scan.negative) continue;  // an explicit minus wins over the letter
      scan.negative = sign < 0;
      break;
    } else if (field < kFieldCount && !scan.fields[field].empty()) {
      ++field;  // any other character ends a field that has begun
    }
    if (scan.negative && field >= kFieldCount) break;
  }
  return scan;
}

bool HoldsADigit(const ScannedAngle& scan) {
  for (const std::string& field : scan.fields)
    if (field.find_first_of("0123456789") != std::string::npos) return true;
  return false;
}

double FieldValue(const std::string& field) { return field.empty() ? 0.0 : std::strtod(field.c_str(), nullptr); }

std::optional<double> GradiansToRadians(const ScannedAngle& scan, const AngleKindDef& kind) {
  const double gradians = FieldValue(scan.fields[0]);
  if (!(gradians <= kind.gradianLimit)) return std::nullopt;
  return (scan.negative ? -gradians : gradians) * kRadiansPerGradian;
}

std::optional<double> DegreesToRadians(const ScannedAngle& scan, const AngleKindDef& kind) {
  const double degrees = FieldValue(scan.fields[0]);
  double minutes = FieldValue(scan.fields[1]);
  double seconds = FieldValue(scan.fields[2]);
  if (!(degrees <= kind.degreeLimit)) return std::nullopt;
  // Minutes or seconds out of range are dropped rather than refused.
  if (minutes >= 60.0) minutes = seconds = 0.0;
  if (seconds >= 60.0) seconds = 0.0;
  const double total = degrees + minutes / 60.0 + seconds / 3600.0;
  if (!(total <= kind.degreeLimit)) return std::nullopt;
  return (scan.negative ? -total : total) * kRadiansPerDegree;
}

// The angle the text gives, before a kind counted from a quarter turn
// takes its complement; none for text without a digit or beyond the range.
std::optional<double> TypedRadians(std::string_view text, const AngleKindDef& kind) {
  const bool gradians = !HoldsDegreeSymbols(text) && text.find('g') != std::string_view::npos;
  const ScannedAngle scan = Scan(Normalise(text), kind);
  if (!HoldsADigit(scan)) return std::nullopt;
  return gradians ? GradiansToRadians(scan, kind) : DegreesToRadians(scan, kind);
}

double FromTypedRadians(const AngleKindDef& kind, double radians) {
  return kind.fromQuarterTurn ? std::numbers::pi / 2.0 - radians : radians;
}

}  // namespace

std::optional<double> TryParseAngle(std::string_view text, int kind) {
  const AngleKindDef* def = FindAngleKind(kind);
  if (!def) return std::nullopt;
  const std::optional<double> radians = TypedRadians(text, *def);
  if (!radians) return std::nullopt;
  return FromTypedRadians(*def, *radians);
}

double ParseAngle(std::string_view text, int kind) {
  const AngleKindDef* def = FindAngleKind(kind);
  if (!def) return 0.0;
  // Refused text reads as no angle typed at all.
  return FromTypedRadians(*def, TypedRadians(text, *def).value_or(0.0));
}
