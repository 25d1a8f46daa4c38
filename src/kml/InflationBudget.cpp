#include "kml/InflationBudget.h"

#include <algorithm>
#include <limits>

CInflationBudget::CInflationBudget(const InflationLimits& limits, std::uint64_t archiveSize)
    : limits_(limits), archiveSize_(archiveSize) {}

std::uint64_t CInflationBudget::RatioAllowance(std::uint64_t compressedSize) const {
  const std::uint64_t compressed = std::min(compressedSize, archiveSize_);
  // Saturates rather than wraps: a ratio times a 64-bit size may overflow.
  const std::uint64_t byRatio =
      limits_.ratio != 0 && compressed > std::numeric_limits<std::uint64_t>::max() / limits_.ratio
          ? std::numeric_limits<std::uint64_t>::max()
          : compressed * limits_.ratio;
  return std::max(limits_.floor, byRatio);
}

std::uint64_t CInflationBudget::Allowance(std::uint64_t compressedSize) const {
  const std::uint64_t left = spent_ < limits_.total ? limits_.total - spent_ : 0;
  return std::min(RatioAllowance(compressedSize), left);
}

bool CInflationBudget::TotalIsTheLimit(std::uint64_t compressedSize) const {
  return Allowance(compressedSize) < RatioAllowance(compressedSize);
}
