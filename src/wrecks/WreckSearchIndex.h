#pragma once
// What the wreck search reads of every record, laid out for scanning: the
// positions side by side, the sunk years side by side, and the names
// upper-cased one after another. A search reads a million records; read
// through the records themselves, each costs a cache miss or two (about
// 20 ns), which is most of a search. Laid out here, the positions of a
// million records are 16 MB read in order, and a name search is one
// substring search over all names at once. Built when the search dialog
// opens; the wreck list must not change while the index is in use (the
// search dialog is modal, and the list is loaded before it opens).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/Api.h"

class CWreckList;

struct IndexedPosition {
  double lat;  // radians
  double lon;
};

class OVERLAYS_API CWreckSearchIndex {
 public:
  explicit CWreckSearchIndex(const CWreckList& wrecks);

  std::size_t Size() const { return positions_.size(); }
  const IndexedPosition& PositionOf(std::size_t i) const { return positions_[i]; }
  std::int16_t SunkYearOf(std::size_t i) const { return sunkYears_[i]; }
  // The records of [begin, end) whose upper-cased name holds `upper`, in
  // order, appended to `found`. `upper` must not be empty.
  void FindInNames(std::string_view upper, std::size_t begin, std::size_t end, std::vector<std::size_t>& found) const;

 private:
  std::vector<IndexedPosition> positions_;
  std::vector<std::int16_t> sunkYears_;
  // Each name upper-cased and followed by a 0 byte, which no search text
  // holds, so that no match runs from one name into the next.
  std::string names_;
  std::vector<std::size_t> nameStarts_;  // Size() + 1 offsets into names_
};
