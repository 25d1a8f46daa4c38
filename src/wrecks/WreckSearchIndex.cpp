#include "wrecks/WreckSearchIndex.h"

#include <algorithm>
#include <functional>

#include "wrecks/WreckList.h"
#include "wrecks/WreckSearch.h"

CWreckSearchIndex::CWreckSearchIndex(const CWreckList& wrecks) {
  const std::size_t count = wrecks.GetSize();
  positions_.reserve(count);
  sunkYears_.reserve(count);
  nameStarts_.reserve(count + 1);
  for (const WreckDef* record : wrecks.records) {
    positions_.push_back({record->data.latitude, record->data.longitude});
    sunkYears_.push_back(record->sunkYear);
    nameStarts_.push_back(names_.size());
    const std::string_view name = record->Name();
    std::transform(name.begin(), name.end(), std::back_inserter(names_), UpperCaseOf);
    names_ += '\0';
  }
  nameStarts_.push_back(names_.size());
}

void CWreckSearchIndex::FindInNames(std::string_view upper, std::size_t begin, std::size_t end,
                                    std::vector<std::size_t>& found) const {
  const std::boyer_moore_horspool_searcher searcher(upper.begin(), upper.end());
  const auto first = names_.begin();
  auto from = first + static_cast<std::ptrdiff_t>(nameStarts_[begin]);
  const auto last = first + static_cast<std::ptrdiff_t>(nameStarts_[end]);
  while (from < last) {
    const auto hit = std::search(from, last, searcher);
    if (hit == last) return;
    const auto offset = static_cast<std::size_t>(hit - first);
    // The record whose name holds the hit: the last start at or before it.
    const auto next = std::upper_bound(nameStarts_.begin() + static_cast<std::ptrdiff_t>(begin),
                                       nameStarts_.begin() + static_cast<std::ptrdiff_t>(end) + 1, offset);
    const auto record = static_cast<std::size_t>(next - nameStarts_.begin()) - 1;
    // A text holding a 0 byte could still cross into the next name.
    if (offset + upper.size() < *next) found.push_back(record);
    from = first + static_cast<std::ptrdiff_t>(*next);
  }
}
