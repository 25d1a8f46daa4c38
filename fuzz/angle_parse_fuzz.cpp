// Any bytes as typed angle text, for every kind: parsing must stay in the
// kind's range, and the value must format and parse again without trouble.
// The field tokeniser and the number-text functions take the same bytes.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "geodesy/angle/AngleKind.h"
#include "geodesy/angle/AngleText.h"
#include "geodesy/angle/AngleUnits.h"
#include "geodesy/text/FieldTokeniser.h"
#include "geodesy/text/NumberText.h"
#include "geodesy/text/SentenceChecksum.h"

namespace {

void CheckAngle(std::string_view text, int kind) {
  const double radians = ParseAngle(text, kind);
  const AngleKindDef* def = FindAngleKind(kind);
  // Kind 4 is a quarter turn minus a value of at most its limit.
  const double reach = (def->fromQuarterTurn ? 270.0 : def->degreeLimit) * kRadiansPerDegree * (1 + 1e-12);
  if (!std::isfinite(radians) || std::fabs(radians) > reach) __builtin_trap();
  // Not format 5: it reads the user's settings, which a fuzzer must not touch.
  for (int format = 0; format < kAngleFormatCount; ++format) {
    const std::string shown = FormatAngle(radians, kind, format, static_cast<int>(text.size() % 40) - 4);
    ParseAngle(shown, kind);
  }
}

void CheckFields(std::string_view text, char delimiter) {
  CFieldTokeniser tokens(text, delimiter);
  const std::size_t count = tokens.FieldCount();
  // Every call consumes at least the delimiter or ends, so this is bounded.
  for (std::size_t i = 0; i <= count + 1 && !tokens.AtEnd(); ++i) {
    if (i % 2)
      tokens.NextNumber();
    else
      tokens.NextField();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int kind = 1; kind <= 9; ++kind) CheckAngle(text, kind);
  CheckFields(text, size ? text.front() : ',');
  ReceiveSentence(text);
  TrimTrailingZeros(text);
  CountLines(text);
  return 0;
}
