#include "platform/ui/StringItems.h"

#include <algorithm>

#include "platform/text/CodePage.h"

namespace platform::ui {
namespace {

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return text::AnsiToUpper(static_cast<unsigned char>(x)) < text::AnsiToUpper(static_cast<unsigned char>(y));
  });
}

}  // namespace

void StringItems::Inserted(int index) {
  if (selection_ >= index) ++selection_;
}

int StringItems::Add(StringItem item) {
  if (!sorted_) return Insert(-1, std::move(item));
  // After equal texts, so items added in order keep that order.
  auto at = std::upper_bound(items_.begin(), items_.end(), item,
                             [](const StringItem& a, const StringItem& b) { return LessIgnoringCase(a.text, b.text); });
  // Inserting may move the items, so the start is read after it.
  const auto inserted = items_.insert(at, std::move(item));
  const int index = static_cast<int>(inserted - items_.begin());
  Inserted(index);
  return index;
}

int StringItems::Insert(int index, StringItem item) {
  if (index == -1) index = Count();
  if (index < 0 || index > Count()) return -1;
  items_.insert(items_.begin() + index, std::move(item));
  Inserted(index);
  return index;
}

bool StringItems::Erase(int index) {
  if (!Valid(index)) return false;
  items_.erase(items_.begin() + index);
  if (selection_ == index) selection_ = -1;
  else if (selection_ > index) --selection_;
  return true;
}

bool StringItems::Select(int index) {
  selection_ = Valid(index) ? index : -1;
  return selection_ == index;
}

template <class Match>
int StringItems::FindFrom(int start, Match match) const {
  const int n = Count();
  const int first = (start < -1 || start >= n) ? 0 : start + 1;
  for (int k = 0; k < n; ++k) {
    const int i = (first + k) % n;
    if (match(items_[static_cast<std::size_t>(i)].text)) return i;
  }
  return -1;
}

int StringItems::FindPrefix(int start, std::string_view text) const {
  return FindFrom(start, [text](const std::string& item) {
    return item.size() >= text.size() && text::EqualsIgnoringCase(std::string_view(item).substr(0, text.size()), text);
  });
}

int StringItems::FindExact(int start, std::string_view text) const {
  return FindFrom(start, [text](const std::string& item) { return text::EqualsIgnoringCase(item, text); });
}

std::vector<std::string> StringItems::Texts() const {
  std::vector<std::string> texts;
  texts.reserve(items_.size());
  for (const StringItem& item : items_) texts.push_back(item.text);
  return texts;
}

}  // namespace platform::ui
