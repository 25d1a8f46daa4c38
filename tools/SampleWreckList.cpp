#include "SampleWreckList.h"

#include "SampleWrecks.h"
#include "wrecks/DateText.h"

namespace tools {

// From the earliest year the generator draws sunk dates from to this
// year, as a host sets the span after a load.
constexpr std::int16_t kEarliestYear = 1700;
constexpr std::int16_t kLatestYear = 2026;

SampleWreckList::SampleWreckList(std::uint64_t seed, std::size_t count) {
  SampleWreckGenerator generator(seed);
  for (std::size_t i = 0; i < count; ++i) {
    auto* record = new WreckDef(generator.Next());
    record->sunkYear = static_cast<std::int16_t>(DateYear(record->data.sunk));
    wrecks.Add(record);
  }
  wrecks.earliestYear = kEarliestYear;
  wrecks.latestYear = kLatestYear;
}

SampleWreckList::~SampleWreckList() {
  for (WreckDef* record : wrecks.records) delete record;
}

}  // namespace tools
