#include "kml/EntryInflation.h"

#include <minizip/unzip.h>

#include <array>

namespace {

constexpr std::size_t kInflateBlock = 2048;

struct EntrySizes {
  std::uint64_t compressed = 0;
  std::uint64_t inflated = 0;
};

bool CurrentSizes(unzFile archive, EntrySizes& sizes) {
  unz_file_info64 raw{};
  if (unzGetCurrentFileInfo64(archive, &raw, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return false;
  sizes = {raw.compressed_size, raw.uncompressed_size};
  return true;
}

UnzipProblem PastAllowance(const CInflationBudget& budget, std::uint64_t compressed) {
  return budget.TotalIsTheLimit(compressed) ? UnzipProblem::TooMuchInAll : UnzipProblem::OutOfProportion;
}

}  // namespace

UnzipProblem ScreenDeclaredSizes(void* archive, const InflationLimits& limits, std::uint64_t archiveSize) {
  const auto zip = static_cast<unzFile>(archive);
  CInflationBudget declared(limits, archiveSize);
  EntrySizes sizes;
  // The walk ends at the last entry the directory really holds, whatever
  // count it claims.
  for (int result = unzGoToFirstFile(zip); result == UNZ_OK && CurrentSizes(zip, sizes);
       result = unzGoToNextFile(zip)) {
    if (!declared.Admits(sizes.compressed, sizes.inflated)) return PastAllowance(declared, sizes.compressed);
    declared.Spend(sizes.inflated);
  }
  unzGoToFirstFile(zip);
  return UnzipProblem::None;
}

UnzipProblem InflateCurrentEntry(void* archive, const char* password, CInflationBudget& budget,
                                 const InflatedBlockSink& sink) {
  const auto zip = static_cast<unzFile>(archive);
  EntrySizes sizes;
  if (!CurrentSizes(zip, sizes)) return UnzipProblem::Damaged;
  const std::uint64_t allowance = budget.Allowance(sizes.compressed);
  const UnzipProblem pastAllowance = PastAllowance(budget, sizes.compressed);
  if ((password ? unzOpenCurrentFilePassword(zip, password) : unzOpenCurrentFile(zip)) != UNZ_OK)
    return UnzipProblem::Damaged;
  std::array<char, kInflateBlock> block;
  std::uint64_t inflated = 0;
  UnzipProblem problem = UnzipProblem::None;
  int read = 0;
  while (problem == UnzipProblem::None && (read = unzReadCurrentFile(zip, block.data(), block.size())) > 0) {
    inflated += static_cast<std::uint64_t>(read);
    if (inflated > allowance)
      problem = pastAllowance;
    else if (!sink(block.data(), static_cast<std::size_t>(read)))
      problem = UnzipProblem::CannotWrite;
  }
  if (read < 0 && problem == UnzipProblem::None) problem = UnzipProblem::Damaged;
  // A checksum that does not match shows only at the close.
  if (unzCloseCurrentFile(zip) != UNZ_OK && problem == UnzipProblem::None) problem = UnzipProblem::Damaged;
  budget.Spend(inflated);
  return problem;
}
