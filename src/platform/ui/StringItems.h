#pragma once
// The item list shared by combo boxes and list boxes: texts with their data
// and images, kept sorted (ignoring case) when the control's style says so,
// searched by prefix or exactly, ignoring case, from a start index with
// wrap-around, as both controls search, and the selected item, which stays
// on its item as others are inserted or removed.

#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"
#include "platform/ui/WinTypes.h"

namespace platform::ui {

struct StringItem {
  std::string text;
  UINT_PTR data = 0;
  int image = -1;
  int selectedImage = -1;
  int indent = 0;
};

class OVERLAYS_API StringItems {
 public:
  explicit StringItems(bool sorted = false) : sorted_(sorted) {}
  void SetSorted(bool sorted) { sorted_ = sorted; }
  // Where the item went; -1 when `index` is beyond the end.
  int Add(StringItem item);
  int Insert(int index, StringItem item);
  bool Erase(int index);
  void Clear() {
    items_.clear();
    selection_ = -1;
  }
  int Selection() const { return selection_; }
  // False (and no selection) for an index outside the list.
  bool Select(int index);
  int Count() const { return static_cast<int>(items_.size()); }
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  StringItem* At(int index) { return Valid(index) ? &items_[static_cast<std::size_t>(index)] : nullptr; }
  const StringItem* At(int index) const {
    return Valid(index) ? &items_[static_cast<std::size_t>(index)] : nullptr;
  }
  // The first item after `start` (-1: from the top) whose text starts with,
  // or equals, `text`; -1 when none.
  int FindPrefix(int start, std::string_view text) const;
  int FindExact(int start, std::string_view text) const;
  std::vector<std::string> Texts() const;

 private:
  template <class Match>
  int FindFrom(int start, Match match) const;

  void Inserted(int index);

  bool sorted_;
  std::vector<StringItem> items_;
  int selection_ = -1;
};

}  // namespace platform::ui
