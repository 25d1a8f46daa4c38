#pragma once
// A wreck list holding generated records (SampleWreckGenerator) as a host
// holds them after a load, sunk years and the years' span set, for the
// tests and benchmarks that work the search without a database file. It
// owns the records.

#include <cstddef>
#include <cstdint>

#include "wrecks/WreckList.h"

namespace tools {

class SampleWreckList {
 public:
  SampleWreckList(std::uint64_t seed, std::size_t count);
  ~SampleWreckList();
  SampleWreckList(const SampleWreckList&) = delete;
  SampleWreckList& operator=(const SampleWreckList&) = delete;

  CWreckList wrecks;
};

}  // namespace tools
