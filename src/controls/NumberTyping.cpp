#include "controls/NumberTyping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "frame/PathText.h"
#include "geodesy/text/NumberText.h"

namespace {

constexpr char kBackspace = '\b';
// Typing has rules for Ctrl+C (3) up to '9' and ignores everything else.
constexpr unsigned char kFirstRuledCode = 3;

struct Span {
  int start;
  int end;
  int Length() const { return end - start; }
};

int Length(std::string_view text) { return static_cast<int>(text.size()); }
std::size_t Index(int position) { return static_cast<std::size_t>(position); }

Span Clamped(std::string_view text, int selStart, int selEnd) {
  const int first = std::clamp(std::min(selStart, selEnd), 0, Length(text));
  const int last = std::clamp(std::max(selStart, selEnd), 0, Length(text));
  return {first, last};
}

std::string WithoutSpan(std::string_view text, Span span) {
  std::string rest(text);
  rest.erase(Index(span.start), Index(span.Length()));
  return rest;
}

bool IsSign(char ch) { return ch == '+' || ch == '-'; }
bool StartsWithSign(const std::string& text) { return !text.empty() && IsSign(text.front()); }

int PointIndex(const std::string& text, int from = 0) {
  const auto point = text.find('.', Index(from));
  return point == std::string::npos ? -1 : static_cast<int>(point);
}

// Both layouts are overtype: a character replaces the one at the position,
// or extends the text when the position is its end.
void WriteAt(std::string& text, int position, char ch) {
  if (position < Length(text))
    text[Index(position)] = ch;
  else
    text.push_back(ch);
}

void KeepAtMost(std::string& text, int length) {
  if (length < Length(text)) text.resize(Index(std::max(length, 0)));
}

int TextLimit(const NumberLayout& layout) { return std::max(layout.maxCharacters, 0) + Length(layout.units); }

// A point or digit at the very start of a signed field supplies its '+'
// first, unless the text already carries a sign.
void SupplyPlusSign(const NumberLayout& layout, NumberEdit& edit) {
  if (!layout.plusSign || edit.caret != 0) return;
  if (!StartsWithSign(edit.text)) WriteAt(edit.text, 0, '+');
  edit.caret = 1;
}

bool OutsideBounds(const NumberLayout& layout, double value) {
  return (layout.checkMaximum && value > layout.maximum) || (layout.checkMinimum && value < layout.minimum);
}

std::optional<NumberEdit> TypeSpace(const NumberLayout& layout, NumberEdit edit) {
  if (edit.caret >= layout.maxCharacters) return edit;
  ++edit.caret;
  if (edit.caret < Length(edit.text) && edit.text[Index(edit.caret)] == '.') ++edit.caret;
  return edit;
}

std::optional<NumberEdit> TypeSign(const NumberLayout& layout, NumberEdit edit, char sign) {
  const bool allowed = sign == '+' ? layout.plusSign : layout.negativeAllowed;
  if (!allowed || edit.caret != 0) return std::nullopt;
  WriteAt(edit.text, 0, sign);
  edit.caret = 1;
  return edit;
}

// A point typed into the decimals of a free field moves the point there;
// the decimals it leaves behind it are kept only up to the field's count,
// and never past an older point.
void KeepDecimalsAfter(std::string& text, int firstDecimal, int decimals) {
  const int end = firstDecimal + std::max(decimals, 0);
  const int olderPoint = PointIndex(text, firstDecimal);
  KeepAtMost(text, olderPoint >= 0 && olderPoint < end ? olderPoint : end);
}

std::optional<NumberEdit> TypeFreePoint(const NumberLayout& layout, NumberEdit edit) {
  SupplyPlusSign(layout, edit);
  // A number never starts with its point: the place of the first digit
  // takes a '0', overwriting as every key of this field does, so that a
  // point typed first gives "0." (or "+0.").
  if (edit.caret == (StartsWithSign(edit.text) ? 1 : 0)) WriteAt(edit.text, edit.caret++, '0');
  const int point = PointIndex(edit.text);
  if (point == edit.caret) {
    ++edit.caret;
    return edit;
  }
  if (point >= 0 && point < edit.caret) return std::nullopt;
  WriteAt(edit.text, edit.caret++, '.');
  KeepDecimalsAfter(edit.text, edit.caret, layout.decimals);
  return edit;
}

// "12" typed at the start of a field of 8 integer digits becomes
// "00000012": the digits move to end just before the point's index.
void AlignIntegerDigits(std::string& text, int caret, int point) {
  const int from = std::min(StartsWithSign(text) ? 1 : 0, caret);
  const std::string typed = text.substr(Index(from), Index(caret - from));
  const std::string tail = point < Length(text) ? text.substr(Index(point)) : std::string();
  text = text.substr(0, Index(from)) + std::string(Index(point - caret), '0') + typed + tail;
}

std::optional<NumberEdit> TypeFixedPoint(const NumberLayout& layout, NumberEdit edit) {
  const int point = layout.integerDigits;
  // A point the field has no room for would only be cut off again.
  if (edit.caret > point || point >= layout.maxCharacters) return std::nullopt;
  AlignIntegerDigits(edit.text, edit.caret, point);
  WriteAt(edit.text, point, '.');
  edit.caret = point + 1;
  return edit;
}

std::optional<NumberEdit> TypePoint(const NumberLayout& layout, NumberEdit edit) {
  if (layout.decimals == 0) return std::nullopt;
  return layout.fixedLayout ? TypeFixedPoint(layout, std::move(edit)) : TypeFreePoint(layout, std::move(edit));
}

NumberEdit TypeFixedDigit(const NumberLayout& layout, NumberEdit edit, char digit) {
  WriteAt(edit.text, edit.caret++, digit);
  if (layout.decimals != 0 && edit.caret == layout.integerDigits) WriteAt(edit.text, edit.caret++, '.');
  return edit;
}

std::optional<NumberEdit> TypeFreeDigit(const NumberLayout& layout, NumberEdit edit, char digit) {
  if (layout.decimals != 0) {
    const int point = PointIndex(edit.text);
    if (point < 0 && edit.caret >= layout.integerDigits) return std::nullopt;
    if (point >= 0 && edit.caret > point + layout.decimals) return std::nullopt;
    if (point == edit.caret) {
      // The digit takes the point's place, and what were decimals join an
      // integer part that may hold no more than its digits.
      edit.text[Index(edit.caret++)] = digit;
      KeepAtMost(edit.text, layout.integerDigits);
      return edit;
    }
  }
  WriteAt(edit.text, edit.caret++, digit);
  return edit;
}

std::optional<NumberEdit> TypeDigit(const NumberLayout& layout, NumberEdit edit, char digit) {
  SupplyPlusSign(layout, edit);
  if (edit.caret >= layout.maxCharacters) return std::nullopt;
  std::optional<NumberEdit> typed = layout.fixedLayout ? TypeFixedDigit(layout, std::move(edit), digit)
                                                       : TypeFreeDigit(layout, std::move(edit), digit);
  if (typed && OutsideBounds(layout, NumberTextValue(typed->text))) return std::nullopt;
  return typed;
}

// The fixed shape stays: the digit before the caret (the one before the
// point when the caret lands on it) returns to zero, the sign to '+'.
NumberEdit BackspaceFixed(const NumberLayout& layout, NumberEdit edit) {
  if (--edit.caret > 0 && edit.text[Index(edit.caret)] == '.') --edit.caret;
  edit.text[Index(edit.caret)] = edit.caret == 0 && layout.plusSign ? '+' : '0';
  return edit;
}

NumberEdit BackspaceFree(const NumberLayout& layout, NumberEdit edit) {
  if (edit.caret == Length(edit.text)) {
    edit.text.pop_back();
    --edit.caret;
    return edit;
  }
  // Taking the only integer digit away leaves "0." rather than a bare point.
  const int nearStart = layout.negativeAllowed ? 3 : 2;
  if (edit.text[Index(edit.caret)] == '.' && edit.caret < nearStart) {
    --edit.caret;
    if (!layout.negativeAllowed || edit.caret == 1) edit.text[Index(edit.caret)] = '0';
    return edit;
  }
  if (layout.plusSign && edit.caret == 1) {
    edit.caret = 0;
    edit.text[0] = '+';
    return edit;
  }
  edit.text.erase(Index(--edit.caret), 1);
  // Deleting the point joins the decimals to the integer part.
  if (layout.decimals != 0) {
    const int point = PointIndex(edit.text);
    if ((point < 0 ? Length(edit.text) : point) > layout.integerDigits) KeepAtMost(edit.text, layout.integerDigits);
  }
  return edit;
}

std::optional<NumberEdit> TypeBackspace(const NumberLayout& layout, NumberEdit edit, bool deletedSelection) {
  if (edit.caret == 0) return deletedSelection ? std::optional(edit) : std::nullopt;
  return layout.fixedLayout ? BackspaceFixed(layout, std::move(edit)) : BackspaceFree(layout, std::move(edit));
}

std::optional<NumberEdit> TypeKey(const NumberLayout& layout, NumberEdit edit, char ch, bool deletedSelection) {
  if (ch >= '0' && ch <= '9') return TypeDigit(layout, std::move(edit), ch);
  switch (ch) {
    case kBackspace:
      return TypeBackspace(layout, std::move(edit), deletedSelection);
    case ' ':
      return TypeSpace(layout, std::move(edit));
    case '+':
    case '-':
      return TypeSign(layout, std::move(edit), ch);
    case '.':
      return TypePoint(layout, std::move(edit));
    default:
      return std::nullopt;
  }
}

std::string FreeZeroText(const NumberLayout& layout) { return (layout.plusSign ? "+0" : "0") + layout.units; }

// The selected characters of a fixed field become those of the zero value
// at the same places, so the shape survives.
std::string ZeroOverSpan(const NumberLayout& layout, std::string_view text, Span span) {
  const std::string zero = NumberValueText(layout, 0.0);
  const std::size_t from = std::min(Index(span.start), zero.size());
  return std::string(text.substr(0, Index(span.start))) + zero.substr(from, Index(span.Length())) +
         std::string(text.substr(Index(span.end)));
}

std::string FreeTextAfterCut(const NumberLayout& layout, std::string_view text, Span span) {
  std::string rest = WithoutSpan(text, span);
  if (rest.empty()) return FreeZeroText(layout);
  if (layout.plusSign && !IsSign(rest.front())) rest.insert(0, rest.front() == '.' ? "+0" : "+");
  if (layout.decimals != 0) {
    const int first = StartsWithSign(rest) ? 1 : 0;
    if (first < Length(rest) && rest[Index(first)] == '.')
      rest.insert(Index(first), "0");
    else if (PointIndex(rest) < 0)
      KeepAtMost(rest, layout.integerDigits);
  }
  return rest;
}

std::string TextAfterCut(const NumberLayout& layout, std::string_view text, Span span) {
  // "The whole text" is measured against the field's limit, not the text.
  if (span.start == 0 && span.end >= layout.maxCharacters)
    return layout.fixedLayout ? NumberValueText(layout, 0.0) : FreeZeroText(layout);
  return layout.fixedLayout ? ZeroOverSpan(layout, text, span) : FreeTextAfterCut(layout, text, span);
}

std::optional<std::string> PasteFixed(const NumberLayout& layout, std::string_view text, Span span,
                                      std::string_view clipboard) {
  const int room = span.Length() > 0 ? span.Length() : layout.maxCharacters - span.start;
  const int count = std::min(Length(clipboard), room);
  if (count < 1) return std::nullopt;
  std::string pasted(text);
  pasted.replace(Index(span.start), Index(count), clipboard.substr(0, Index(count)));
  return pasted;
}

std::optional<std::string> PasteFree(const NumberLayout& layout, std::string_view text, Span span,
                                     std::string_view clipboard) {
  std::string pasted = WithoutSpan(text, span);
  const int count = std::min(Length(clipboard), layout.maxCharacters - Length(pasted));
  if (count < 1) return std::nullopt;
  pasted.insert(Index(span.start), clipboard.substr(0, Index(count)));
  return pasted;
}

NumberEdit WithCaretInText(NumberEdit edit) {
  edit.caret = std::clamp(edit.caret, 0, Length(edit.text));
  return edit;
}

}  // namespace

std::string NumberValueText(const NumberLayout& layout, double value) {
  if (value == kNoNumber || std::isnan(value)) return "n/a";
  return TrimWhiteSpace(
      FormatBoundedNumber(value, layout.maxCharacters, layout.decimals, layout.plusSign, layout.fixedLayout) +
      layout.units);
}

double NumberTextValue(std::string_view text) {
  const double value = std::strtod(std::string(text).c_str(), nullptr);
  return std::isnan(value) ? 0.0 : value;
}

std::optional<NumberEdit> TypeNumberCharacter(const NumberLayout& layout, std::string_view text, int selStart,
                                              int selEnd, char ch) {
  const auto code = static_cast<unsigned char>(ch);
  if (code < kFirstRuledCode || code > '9') return std::nullopt;
  const Span span = Clamped(text, selStart, selEnd);
  std::optional<NumberEdit> typed = TypeKey(layout, {WithoutSpan(text, span), span.start}, ch, span.Length() > 0);
  if (!typed) return std::nullopt;
  // The window's text limit holds for typing, as in any edit control; only
  // a layout whose digits and point do not fit its width can reach it.
  if (Length(typed->text) > TextLimit(layout) && Length(typed->text) > Length(text)) return std::nullopt;
  return WithCaretInText(std::move(*typed));
}

NumberCut CutNumberSelection(const NumberLayout& layout, std::string_view text, int selStart, int selEnd) {
  const Span span = Clamped(text, selStart, selEnd);
  // Delete with nothing selected cuts too; a text the user did not touch
  // stays as it is (the rules below would give "n/a" a sign).
  if (span.Length() == 0) return {{std::string(text), span.start}, {}};
  NumberEdit edit{TextAfterCut(layout, text, span), span.start};
  return {WithCaretInText(std::move(edit)), std::string(text.substr(Index(span.start), Index(span.Length())))};
}

std::optional<NumberEdit> PasteIntoNumber(const NumberLayout& layout, std::string_view text, int selStart, int selEnd,
                                          std::string_view clipboard) {
  const Span span = Clamped(text, selStart, selEnd);
  const std::optional<std::string> pasted =
      layout.fixedLayout ? PasteFixed(layout, text, span, clipboard) : PasteFree(layout, text, span, clipboard);
  if (!pasted) return std::nullopt;
  // Shown with the plus-sign flag, as SetValue and cut show values: a
  // pasted value looks like every other value of the field rather than
  // gaining a '+' that typing or setting it would never give.
  return WithCaretInText({NumberValueText(layout, NumberTextValue(*pasted)), span.end});
}

std::string NumberTextOnFocusGain(const NumberLayout& layout, std::string_view text) {
  if (Length(text) > TextLimit(layout)) return NumberValueText(layout, 0.0);
  return TrimWhiteSpace(text);
}
