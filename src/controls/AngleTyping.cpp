#include "controls/AngleTyping.h"

#include <algorithm>

#include "geodesy/angle/AngleKind.h"
#include "geodesy/angle/AngleText.h"

namespace {

bool IsDigitChar(char ch) { return ch >= '0' && ch <= '9'; }

int Length(std::string_view text) { return static_cast<int>(text.size()); }

// The format a field of the kind actually shows for the user's choice.
int FieldFormat(const AngleKindDef& def, int format) {
  if (def.decimalDegreesOnly) return 2;
  // Signed decimal degrees of a kind with a leading sign pad the degrees
  // to a width that counts the sign, so their width changes with the value
  // (+00 but +179). Format 2 reads the same, signed, at a fixed width.
  if (format == 3 && def.sign == AngleSign::Leading) return 2;
  return format;
}

// The template of signed decimal degrees of a latitude or longitude keeps
// the letter of the other formats and pads the degrees with a zero where
// the text has its sign; the mask takes the text's shape.
void FitSignedGeographical(const AngleKindDef& def, AngleFieldLayout& layout) {
  const bool geographical = def.sign == AngleSign::Latitude || def.sign == AngleSign::Longitude;
  if (layout.format != 3 || !geographical || layout.mask.size() < 2 || layout.limit.empty()) return;
  layout.mask.pop_back();
  layout.mask.front() = '+';
  layout.limit.erase(0, 1);
}

// The digits of the degrees field of a text, after a leading sign.
int LeadingDigits(std::string_view text) {
  std::size_t p = !text.empty() && (text.front() == '+' || text.front() == '-') ? 1 : 0;
  const std::size_t first = p;
  while (p < text.size() && IsDigitChar(text[p])) ++p;
  return static_cast<int>(p - first);
}

// Whole gradians without decimals take one digit more than the template
// gives them; the mask gets it as a leading zero, and so does the limit.
void FitDegreeWidth(AngleFieldLayout& layout) {
  const int missing = LeadingDigits(layout.zero) - LeadingDigits(layout.mask);
  if (missing <= 0) return;
  const std::size_t start = layout.HasSign() ? 1 : 0;
  layout.mask.insert(start, static_cast<std::size_t>(missing), '0');
  layout.limit.insert(0, static_cast<std::size_t>(missing), '0');
}

// The first slot at or after `position` (the text's length when none).
int SlotAtOrAfter(const AngleFieldLayout& layout, int position) {
  const int length = Length(layout.mask);
  while (position < length && !layout.IsDigitSlot(position) && !layout.IsHemisphereSlot(position)) ++position;
  return std::min(position, length);
}

// The first position of the degrees: after the sign slot, if any.
int DegreesStart(const AngleFieldLayout& layout) { return layout.HasSign() ? 1 : 0; }

// How many digits the degrees field has.
int DegreeDigits(const AngleFieldLayout& layout) {
  int count = 0;
  for (int p = DegreesStart(layout); p < Length(layout.mask) && IsDigitChar(layout.mask[static_cast<std::size_t>(p)]);
       ++p)
    ++count;
  return count;
}

class Typing {
 public:
  Typing(const AngleFieldLayout& layout, std::string text, int caret)
      : layout_(layout), text_(std::move(text)), caret_(caret) {}

  AngleFieldEdit Result() const { return {text_, caret_}; }

  bool Backspace() {
    if (caret_ < 1) return true;
    --caret_;
    if (caret_ == 0 && layout_.HasSign()) {
      // The sign slot holds only signs: rubbing it out leaves the sign of
      // a zero value, as rubbing out the hemisphere leaves the default.
      At(0) = '+';
      return true;
    }
    if (layout_.IsHemisphereSlot(caret_)) {
      At(caret_) = DefaultHemisphere();
      return true;
    }
    while (caret_ > 0 && !layout_.IsDigitSlot(caret_)) --caret_;
    if (layout_.IsDigitSlot(caret_)) At(caret_) = '0';
    return true;
  }

  bool Space() {
    caret_ = SlotAtOrAfter(layout_, caret_ + 1);
    return true;
  }

  bool JumpPast(char separator) {
    const std::size_t at = layout_.mask.find(separator);
    if (at == std::string::npos || static_cast<int>(at) <= caret_) return false;
    caret_ = SlotAtOrAfter(layout_, static_cast<int>(at) + 1);
    return true;
  }

  bool Sign(char sign) {
    if (caret_ != 0 || !layout_.HasSign()) return false;
    At(0) = sign;
    caret_ = 1;
    return true;
  }

  bool Digit(char digit) {
    // A digit typed on the sign goes to the first digit.
    if (caret_ == 0 && layout_.HasSign()) caret_ = 1;
    if (CompletesLimit(digit)) {
      At(caret_) = digit;
      for (int p = caret_ + 1; p < Length(text_); ++p)
        if (layout_.IsDigitSlot(p)) At(p) = '0';
      caret_ = AfterLastDigit();
      return true;
    }
    if (!layout_.IsDigitSlot(caret_) || !FitsMask(digit)) return false;
    At(caret_) = digit;
    caret_ = SlotAtOrAfter(layout_, caret_ + 1);
    return true;
  }

  bool Hemisphere(char letter) {
    const char slot = layout_.HemisphereSlot();
    const bool fits = slot == 'N' ? (letter == 'N' || letter == 'S') : slot == 'E' && (letter == 'E' || letter == 'W');
    if (!fits) return false;
    At(Length(text_) - 1) = letter;
    caret_ = Length(text_);
    return true;
  }

 private:
  char& At(int position) { return text_[static_cast<std::size_t>(position)]; }

  char DefaultHemisphere() const {
    return layout_.hemisphere ? layout_.hemisphere : layout_.HemisphereSlot();
  }

  // The digit is the last of the limit and the degrees typed before it
  // spell the rest: the value is the kind's whole range.
  bool CompletesLimit(char digit) const {
    const int last = static_cast<int>(layout_.limit.size()) - 1;
    if (caret_ - DegreesStart(layout_) != last || !layout_.IsDigitSlot(caret_)) return false;
    std::string typed = text_.substr(static_cast<std::size_t>(DegreesStart(layout_)), static_cast<std::size_t>(last));
    typed += digit;
    return typed == layout_.limit;
  }

  bool FitsMask(char digit) const {
    if (digit <= layout_.mask[static_cast<std::size_t>(caret_)]) return true;
    // Under a three-digit maximum of 179 or 359, a smaller first digit
    // frees the second: 099 and 299 are whole degrees like any other.
    const int first = DegreesStart(layout_);
    if (DegreeDigits(layout_) != 3 || caret_ != first + 1) return false;
    const char maskFirst = layout_.mask[static_cast<std::size_t>(first)];
    return (maskFirst == '1' || maskFirst == '3') && text_[static_cast<std::size_t>(first)] < maskFirst;
  }

  int AfterLastDigit() const {
    for (int p = Length(text_) - 1; p >= 0; --p) {
      if (layout_.IsHemisphereSlot(p)) return p;
      if (layout_.IsDigitSlot(p)) return p + 1;
    }
    return Length(text_);
  }

  const AngleFieldLayout& layout_;
  std::string text_;
  int caret_;
};

bool Act(Typing& typing, char ch) {
  switch (ch) {
    case '\b': return typing.Backspace();
    case ' ': return typing.Space();
    case '"':
    case '\'':
    case '.': return typing.JumpPast(ch);
    case '+':
    case '-': return typing.Sign(ch);
    default: break;
  }
  if (IsDigitChar(ch)) return typing.Digit(ch);
  if (const char letter = HemisphereLetter(ch)) return typing.Hemisphere(letter);
  return false;
}

}  // namespace

char AngleFieldLayout::HemisphereSlot() const {
  const char last = mask.empty() ? 0 : mask.back();
  return last == 'N' || last == 'E' ? last : 0;
}

bool AngleFieldLayout::IsDigitSlot(int position) const {
  return position >= 0 && position < static_cast<int>(mask.size()) && IsDigitChar(mask[static_cast<std::size_t>(position)]);
}

bool AngleFieldLayout::IsHemisphereSlot(int position) const {
  return HemisphereSlot() && position == static_cast<int>(mask.size()) - 1;
}

AngleFieldLayout AngleFieldLayoutFor(int kind, int format, int decimals, char hemisphere) {
  AngleFieldLayout layout;
  const AngleKindDef* def = FindAngleKind(kind);
  if (!def || !IsAngleFormat(format)) return layout;
  layout.kind = kind;
  layout.format = FieldFormat(*def, format);
  layout.decimals = def->decimalDegreesOnly ? def->fixedDefaultDecimals : decimals;
  if (layout.decimals < 0 || layout.decimals > 32) layout.decimals = DefaultAngleDecimals(kind, layout.format);
  const bool geographical = def->sign == AngleSign::Latitude || def->sign == AngleSign::Longitude;
  layout.hemisphere = geographical ? hemisphere : 0;
  AngleMask mask = AngleTemplateText(kind, layout.format, layout.decimals);
  layout.mask = std::move(mask.text);
  layout.limit = std::move(mask.limit);
  FitSignedGeographical(*def, layout);
  layout.zero = FormatAngle(0.0, kind, layout.format, layout.decimals, layout.hemisphere);
  FitDegreeWidth(layout);
  return layout;
}

std::string ClearAngleSelection(const AngleFieldLayout& layout, std::string_view text, int start, int end) {
  std::string cleared(text);
  const int stop = std::min({end, Length(text), Length(layout.zero)});
  for (int p = std::max(start, 0); p < stop; ++p)
    cleared[static_cast<std::size_t>(p)] = layout.zero[static_cast<std::size_t>(p)];
  return cleared;
}

std::optional<AngleFieldEdit> TypeAngleCharacter(const AngleFieldLayout& layout, std::string_view text, int start,
                                                 int end, char ch) {
  if (layout.mask.empty() || layout.zero.size() != layout.mask.size()) return std::nullopt;
  std::string working;
  int caret = 0;
  // A text of another shape ("n/a", or a value beyond the kind's range)
  // has no slots to type into: typing starts again from zero, as it does
  // over a selection of the whole text.
  if (text.size() != layout.mask.size() || (start <= 0 && end >= Length(layout.mask))) {
    working = layout.zero;
  } else {
    caret = std::clamp(start, 0, Length(text));
    working = end - start >= 2 ? ClearAngleSelection(layout, text, start, end) : std::string(text);
  }
  Typing typing(layout, std::move(working), caret);
  if (!Act(typing, ch)) return std::nullopt;
  return typing.Result();
}

std::optional<std::string> PasteIntoAngleText(std::string_view text, int start, int end,
                                              std::string_view clipboard) {
  const int length = Length(text);
  start = std::clamp(start, 0, length);
  end = std::clamp(end, start, length);
  const int selected = end - start;
  const int count = std::min(selected > 0 ? selected : length - 2 - start, Length(clipboard));
  if (count <= 0) return std::nullopt;
  std::string pasted(text.substr(0, static_cast<std::size_t>(start)));
  pasted += clipboard;
  pasted += text.substr(static_cast<std::size_t>(start + count));
  return pasted;
}

int AngleSlotFrom(const AngleFieldLayout& layout, int position) {
  return SlotAtOrAfter(layout, std::max(position, 0));
}
