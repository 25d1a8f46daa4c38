// The number field's typing engine under random layouts, values, selections,
// keys, cuts, pastes and focus changes: the caret must stay within the text
// and the text within the field's limit plus its units, whatever is done.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "controls/NumberTyping.h"

namespace {

// The keys that have rules, so that most picks do something.
constexpr std::string_view kRuledKeys = "0123456789.+- \b";
constexpr std::string_view kUnits[] = {"", " m", " NM", "%"};

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int Below(int count) { return Byte() % count; }
  double Value() {
    double value = 0.0;
    std::uint8_t bytes[sizeof value] = {};
    for (auto& byte : bytes) byte = Byte();
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }
  std::string_view Text() {
    const std::size_t length = std::min<std::size_t>(Byte() % 24, size_ - std::min(at_, size_));
    const std::string_view text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Widths that hold every formatted value: room for a sign, a digit, the
// point and the decimals, and no more than 15 places, as a double's nines
// beyond that round up to a longer text. The integer digits may disagree
// with the width; typing must cope with that too.
NumberLayout LayoutFrom(Input& in) {
  NumberLayout layout;
  layout.maxCharacters = 3 + in.Below(13);
  layout.decimals = in.Below(layout.maxCharacters - 2);
  layout.integerDigits = in.Below(40) - 4;
  const std::uint8_t flags = in.Byte();
  layout.plusSign = flags & 1;
  layout.negativeAllowed = flags & 2;
  layout.fixedLayout = flags & 4;
  layout.checkMinimum = flags & 8;
  layout.checkMaximum = flags & 16;
  layout.minimum = static_cast<std::int8_t>(in.Byte()) * 10.0;
  layout.maximum = static_cast<std::int8_t>(in.Byte()) * 10.0;
  layout.units = kUnits[in.Below(4)];
  return layout;
}

char KeyFrom(Input& in) {
  const std::uint8_t pick = in.Byte();
  return pick & 1 ? static_cast<char>(pick >> 1) : kRuledKeys[(pick >> 1) % kRuledKeys.size()];
}

NumberEdit Act(const NumberLayout& layout, const NumberEdit& field, Input& in) {
  const int length = static_cast<int>(field.text.size());
  // Selections reach a little outside the text, as a stale one might.
  const int selStart = in.Below(length + 3) - 1;
  const int selEnd = in.Below(length + 3) - 1;
  switch (in.Below(8)) {
    case 0:
      return CutNumberSelection(layout, field.text, selStart, selEnd).edit;
    case 1:
      return PasteIntoNumber(layout, field.text, selStart, selEnd, in.Text()).value_or(field);
    case 2:
      return {NumberValueText(layout, NumberTextValue(NumberTextOnFocusGain(layout, field.text))), 0};
    default:
      return TypeNumberCharacter(layout, field.text, selStart, selEnd, KeyFrom(in)).value_or(field);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  const NumberLayout layout = LayoutFrom(in);
  const std::size_t limit = static_cast<std::size_t>(layout.maxCharacters) + layout.units.size();
  NumberEdit field{in.Byte() & 1 ? NumberValueText(layout, in.Value()) : std::string(), 0};
  while (!in.Empty()) {
    field = Act(layout, field, in);
    if (field.caret < 0 || static_cast<std::size_t>(field.caret) > field.text.size()) __builtin_trap();
    if (field.text.size() > limit) __builtin_trap();
  }
  return 0;
}
