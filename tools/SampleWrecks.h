#pragma once
// Deterministic wreck and obstruction records in the seas around the British
// Isles, for the bundled sample package, the tests and the benchmarks. The
// same seed always gives the same records, byte for byte, on every machine.

#include <cstdint>
#include <string>

#include "wrecks/WreckRecord.h"

namespace tools {

class SampleWreckGenerator {
 public:
  explicit SampleWreckGenerator(std::uint64_t seed);
  // The next record; every code table is cycled through so that each of its
  // values appears within the first few hundred records.
  WreckDef Next();

 private:
  std::uint64_t NextBits();
  double Uniform(double low, double high);
  int Below(int n);
  template <typename T>
  const T& Pick(const T* items, std::size_t count) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(count)))];
  }
  std::uint32_t DateNumber(int firstYear, int lastYear);
  std::string ShipName();
  std::string HistoryText(const std::string& name);
  std::string SurveyText(const WreckDef& record);

  std::uint64_t state_;
  std::uint32_t serial_ = 0;
};

// The whole database file of `count` records.
std::string SampleWreckDatabase(std::uint64_t seed, std::size_t count);

}  // namespace tools
